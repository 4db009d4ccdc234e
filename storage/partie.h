#pragma once
// The saved game "GAME" (1325 bytes, little-endian):
//   0   16  nom,   short string of capacity 15 (the player name)
//   16  11  temps, short string of capacity 10 (the chronometer's text)
//   27   2  repos, signed 16-bit tray count; -1 means no saved game
//   29 1296 cases, the board grid value for value: (c, r, d) at 29 + 144(c-1) + 16(r-1) + 4(d-1)
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/grille.h"

namespace trelmo {

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

class SauvegardePartie {
public:
    // repertoire: the program directory, ending with '/'.
    explicit SauvegardePartie(std::string repertoire);

    Partie partie;

    std::string chemin() const;   // repertoire + "GAME"

    // Reads the record into `partie` and answers whether a game is saved.
    // No game: a missing file (then created, marked empty), a file shorter
    // than the record (left as it is, `partie` unchanged), a tray count of -1.
    // Throws the error of a file that cannot be read or created.
    bool lit_partie();

    // Whether the record's tray count fits its grid: 0 to 44, and 44 less
    // the marbles the grid holds (by the grid's reading rules), at least one.
    static bool coherente(const Partie& p);
    // Whether the stored time gives the chronometer its three counts
    // (characters 1-2, 4-5 and 7-8 read as integers).
    static bool temps_lisible(const Partie& p);

    // The chronometer's three counts of the stored time, when it can be read.
    struct Duree { int32_t heures = 0, minutes = 0, secondes = 0; };
    static std::optional<Duree> duree(const Partie& p);

    // Stores a game. The new record replaces the file whole (in one rename,
    // under a lock on the directory); the old record need not be readable:
    // when it is, the bytes behind its short strings' lengths are kept, as a
    // rewrite in place would leave them. `partie` then holds the new record.
    void enregistrer(std::string_view nom, std::string_view temps, int32_t repos, const Grille& grille);

    // "GAME.probleme", beside the saved game: the id of the problem the
    // saved game is, with the fingerprint of the "GAME" it belongs to, so
    // that a game saved by an older run or another program is never taken
    // for a problem.
    std::string chemin_probleme() const;   // chemin() + ".probleme"
    // The fingerprint of "GAME" as it is now; 0 when it cannot be read.
    uint64_t empreinte() const;
    // Notes that the saved game of fingerprint `empreinte_partie` is the
    // problem `id`; an empty id removes the note. Written whole in one
    // rename (a link in its place is replaced); a failure leaves no note
    // and says nothing: the game is then restored as a plain game.
    void noter_probleme(const std::string& id, uint64_t empreinte_partie) const;
    // The problem noted for "GAME" as it is now, or "" (no note, another
    // game, or a note that cannot be read).
    std::string probleme_note() const;

private:
    // Largest "GAME" that is fingerprinted: a record with a long tail left
    // by another program is not worth reading whole.
    static constexpr size_t kMaxPartieLongue = 1024 * 1024;
    std::string repertoire_;
};

} // namespace trelmo
