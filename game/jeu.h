#pragma once
// The state of play and its operations: board model, moves, board display and
// the life of a game. Every way of playing (the mouse, drag and drop, the
// keyboard, the screen reader, undo and redo, a restored game) goes through
// the operations below; the mouse reaches them by "hover, then click".
// Plain C++; the main window owns one Jeu.
#include "grille.h"
#include "historique.h"
#include "interfaces.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trelmo {

// Texts the game shows later, filled in the interface language when the main
// window is first shown. French until then.
struct TextesJeu {
    std::string gagne = "VOUS AVEZ GAGNE !!";
    std::string termine = "PARTIE\rTERMINEE";
    std::string reposer = "Reposer\rles billes";
    std::string reposer_hint = "Arrêter la partie en cours";
    std::string nouvelle = "Nouvelle\rpartie";
    std::string nouvelle_hint = "Commencer une nouvelle partie";
};

class Jeu {
public:
    Jeu(ISprites& sprites, IAffichage& affichage, IMinuterie& minuterie, IPartenaires& partenaires);

    // --- board model
    Grille grille;
    int32_t nb_repos = kNbRepos;
    int32_t nb_mobiles = 0;

    // --- the mouse: the hole last hovered, and what a click there would do
    // (pick the marble up, or make the held marble jump there)
    int32_t trou_courant = 0;
    bool coup_permis = false;

    // --- lifecycle
    bool pas_de_partie = true;
    int32_t heures = 0;
    int32_t minutes = 0;
    int32_t secondes = 0;
    bool fin_traitee = false;          // end-of-game processing done for this game
    std::string texte_chrono = "00:00:00"; // what `chrono` shows

    // --- display marks: 1-49 hole sprites, 50-93 tray sprites 1-44; index 0 unused.
    std::array<int32_t, 1 + kNbTrous + kNbRepos> marques{};

    TextesJeu textes;

    // --- undo and redo, who follows the game, and problems
    Historique historique;             // undo and redo within the game on the board
    IObservateur* observateur = nullptr;
    bool probleme = false;             // the game is a problem: it does not enter the top ten
    int32_t cible = 0;                 // hole the last marble must stand on to win (0: any)

    // Board model
    void reset_plateau();       // for partenaires.niveau()
    void reset_plateau(int32_t niveau);
    void etat_plateau();
    // Enables exactly the hole sprites of board `niveau` (1-3), as the reset does.
    void activer_trous(int32_t niveau);
    // The board a grid was played on, told by its barred directions (they never
    // change during a game): 1, 2 or 3, or 0 when the grid matches none.
    static int32_t niveau_de_grille(const Grille& g);
    // After a restore, once the grid is replaced: enables the holes of the
    // board the grid describes (a grid that matches no board leaves the sprites
    // as they are), drops the undo history and the problem of the previous
    // game, and tells the observer. Answers the board (or 0).
    int32_t adopter_plateau_de_grille();

    // Board display
    void place_bille_plateau();
    void retire_bille_plateau();
    void jeux_repos(int32_t count);
    void marquer_tout_perime(); // every display mark := -1

    // Moves. A marble is held between being picked up and its jump.
    bool bille_prise() const { return trou_pris_ != 0; }
    int trou_pris() const { return trou_pris_; }    // the held marble's hole, 0 when none
    // Picks up the marble on hole `trou`; refused unless a game is in
    // progress, no marble is held and that marble can jump now.
    bool prendre(int trou);
    // The marble on `de` jumps onto `vers`, whether it was held or not;
    // refused unless a game is in progress and the jump is legal. A held
    // marble is released either way when the jump is made.
    bool sauter(int de, int vers);
    // The player chose hole `trou` (a click, a key): with a marble held, the
    // jump onto it, or else the marble is put back; without, the marble there
    // is picked up if it can jump. The observer hears of it either way.
    void choisir(int trou);
    void annuler_prise();       // cancel a pending pick
    void reposer_bille();       // a held marble is put back (Escape); nothing when none is held

    // The mouse: the pointer over hole sprite `trou` (its cursor tells what a
    // click would do), then the click on the hole last hovered.
    void pmove(int trou);
    void deplacement();

    // Undo and redo: offered while a game is in progress and not over. A held
    // marble is put back first. The chronometer is not touched.
    bool peut_annuler() const;
    bool peut_refaire() const;
    bool annuler();
    bool refaire();
    // The holes where the held marble may land (none when no marble is held).
    std::vector<int> atterrissages() const;
    // Whether the marble on hole `de` may jump onto hole `vers` now.
    bool saut_permis(int de, int vers) const;
    // Whether the game is won as it stands: one marble left, on the target if any.
    bool gagnee() const;

    // Lifecycle
    void demarrage();           // start-up state, last steps of the window's construction
    // "Nouvelle partie" (the variant dialog, then a new game of the chosen
    // board) or "Reposer les billes" (the game stopped), as the button says.
    void etat_jeuxClick();
    void commencer_plateau(int32_t niveau);   // a new game from the standard start of a board
    void arreter();                           // the game stopped, the marbles put back
    // A stored position on the board, as a game in progress: the grid, the
    // tray count and the chronometer's three counts.
    void restaurer(const Grille& g, int32_t repos, int32_t h, int32_t m, int32_t s);
    // Starts a game from a given position of a board, like a new game of that
    // board: bit n-1 of `billes` puts a marble in hole n; `cible_probleme` 0 or a hole.
    void commencer_probleme(int32_t niveau, std::uint64_t billes, int32_t cible_probleme);
    void fin_de_partie();       // end-of-game processing (at most once per game)
    void affiche_score();
    void Timer1Timer();
    static std::string remplir_zeros(int32_t valeur, int32_t largeur);

private:
    // The jump itself: three cells of the grid, the board refresh, the tray
    // count, the tray and the label.
    void faire_saut(const Coup& c);
    // The click or key on hole `trou`, `permis` what it may do there.
    void agir(int trou, bool permis);
    void curseurs_au_repos();   // every hole sprite's cursor back to the arrow
    void relacher();            // no marble held, cursors at rest
    void tester_survol();       // the hovered hole's cursor and coup_permis
    void nouvelle_partie(int32_t niveau);   // the start, once no marble is held
    void en_jeu(int32_t repos);             // a new position on the board, in play from 00:00:00

    int trou_pris_ = 0;

public:

    ISprites& sprites;
    IAffichage& affichage;
    IMinuterie& minuterie;
    IPartenaires& partenaires;
};

} // namespace trelmo
