#pragma once
// A game in progress as a whole: the board, the tray, the chronometer, the
// undo and redo lists and the problem it is. Taken from the game when the
// program ends (or when a game is stopped), written as text, read back and
// put on the board again. Plain C++.
#include "game/historique.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelmo {

class Jeu;

struct PartieGardee {
    Grille grille;
    int32_t nb_repos = 0;
    int32_t heures = 0, minutes = 0, secondes = 0;
    std::string probleme;            // the problem's id, "" for none
    int32_t cible = 0;
    std::vector<Historique::Etape> annulables, refaisables;
};

// Whether the game on the board is one worth keeping: started and not over.
bool partie_en_cours(const Jeu& jeu);

// The game on the board; `probleme` is the id the window knows it by.
PartieGardee garder(const Jeu& jeu, const std::string& probleme);

// Puts the kept game on the board as a restore does (the observer is told
// partie_restauree), with its history, its time and its target.
void reprendre(Jeu& jeu, const PartieGardee& p);

// The text form, and back. A text that is not a whole, coherent game
// (grid values, tray count matching the marbles, a board's holes) gives nothing.
std::string en_texte(const PartieGardee& p);
std::optional<PartieGardee> depuis_texte(std::string_view texte);

} // namespace trelmo
