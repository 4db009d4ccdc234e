#pragma once
// The "Charger" and "Sauver" commands: what the player is asked, then the
// saved game put on the board or the board stored. Plain C++: the window
// hands over its message boxes, so that the files' tests and the fuzzer run
// the commands as the window does, without a window.
#include <string>

namespace trelmo {

class Jeu;
class Reglages;
class SauvegardePartie;

// Information and confirmation boxes (French captions in every language).
class IMessages {
public:
    virtual ~IMessages() = default;
    virtual void information(const std::string& texte) = 0;    // "Information" box, "OK"
    virtual bool confirmation(const std::string& texte) = 0;   // "Confirmation" box, "OK"/"Annuler"; true for OK
};

// Texts of the two commands; French until the window sets the interface language.
struct TextesPartie {
    std::string aucune_partie = "Aucune partie n'a été sauvegardé";
    std::string annuler_partie = "Voulez-vous annuler la partie en cour";
    std::string pas_de_partie = "Les billes sont reposées";
    std::string ecraser_partie = "Vous allez écraser la dernière partie sauvegardé";
    std::string partie_endommagee = "La partie sauvegardée est endommagée.";
};

// "Charger": restores the saved game onto the board. A record whose tray
// count does not fit its grid, or whose time cannot be read, is refused
// (message partie_endommagee) before any question is asked and before
// anything on the board changes.
void charger_partie(SauvegardePartie& sauvegarde, Jeu& jeu, Reglages& reglages, IMessages& messages,
                    const TextesPartie& textes);
// "Sauver": stores the game on the board, once the player agrees to replace
// the last saved game.
void sauver_partie(SauvegardePartie& sauvegarde, Jeu& jeu, Reglages& reglages, IMessages& messages,
                   const TextesPartie& textes);

} // namespace trelmo
