#pragma once
// The saved game "GAME" (1325 bytes, little-endian):
//   0   16  nom,   short string of capacity 15 (the player name)
//   16  11  temps, short string of capacity 10 (the chronometer's text)
//   27   2  repos, signed 16-bit tray count; -1 means no saved game
//   29 1296 cases, the board grid value for value: (c, r, d) at 29 + 144(c-1) + 16(r-1) + 4(d-1)
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/grille.h"
#include "storage/fichier.h"

namespace trelmo {

class Jeu;
class Reglages;

class Partie {
public:
    static constexpr size_t kTaille = 1325;
    static constexpr size_t kNom = 0;
    static constexpr size_t kTemps = 16;
    static constexpr size_t kRepos = 27;
    static constexpr size_t kCases = 29;

    std::array<uint8_t, kTaille> octets{};

    std::string nom() const;   void set_nom(std::string_view utf8);     // cut to 15 characters
    std::string temps() const; void set_temps(std::string_view utf8);   // cut to 10 characters
    int16_t repos() const;     void set_repos(int16_t);
    void lire_grille(Grille& grille) const;
    void ecrire_grille(const Grille& grille);
};

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
};

class SauvegardePartie {
public:
    // repertoire: the program directory, ending with '/'.
    explicit SauvegardePartie(std::string repertoire);

    Partie partie;

    std::string chemin() const;   // repertoire + "GAME"

    // Opens the file and reads the record; a file that cannot be opened is
    // created afresh and marked empty. Answers whether a game is saved.
    bool ouvre_partie();
    void lit_partie();    // a short file gives "Lecture au-delà de la fin de fichier"
    void ecrit_partie();
    void ferme_partie();

    // The "Charger" command: restores the saved game onto the board.
    void chargerClick(Jeu& jeu, Reglages& reglages, IMessages& messages, const TextesPartie& textes);
    // The "Sauver" command: stores the game on the board.
    void sauverClick(Jeu& jeu, Reglages& reglages, IMessages& messages, const TextesPartie& textes);

private:
    std::string repertoire_;
    FichierRecord fichier_;
};

} // namespace trelmo
