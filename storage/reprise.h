#pragma once
// "partie_en_cours.txt", beside TRL.CFG: the game that was on the board when
// the program last ended, to be taken up again. Never the saved game "GAME".
#include "game/partie_gardee.h"

#include <string>

namespace trelmo {

class FichierReprise {
public:
    // repertoire: the program directory, ending with '/'.
    explicit FichierReprise(std::string repertoire) : repertoire_(std::move(repertoire)) {}

    std::string chemin() const { return repertoire_ + "partie_en_cours.txt"; }

    // Writes the game whole, in one rename; 0 or the system error number.
    int ecrire(const PartieGardee& p) const;

    enum class Etat { absente, bonne, endommagee };
    // Reads the kept game. A file that is not a kept game (or is bigger than
    // one can be) is renamed aside, "partie_en_cours.txt.endommage", so that
    // the player is told once; absente when there is no file.
    Etat lire(PartieGardee& p) const;
    // Whether a file is there, read or not.
    bool presente() const;
    // Removes the file (the game was taken up again).
    void effacer() const;

private:
    std::string repertoire_;
};

} // namespace trelmo
