#pragma once
// What trelmo-solve reads: a saved game (the 1325-byte record) or a board
// picture, read from a file or a descriptor with a size cap, and jumps
// named as "e3-e5". Nothing here blocks on a FIFO, follows a device or reads
// more than a position can hold.
#include "solver/solveur.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trelmo::solveur {

constexpr std::size_t kTaillePartie = 1325;
// A picture is 9 lines of 9 characters at most (99 bytes with CR LF); the
// rest is room for blank lines after it.
constexpr std::size_t kTailleMaxEntree = 4096;

// What was read, or why nothing was.
template <class T>
struct Lu {
    std::optional<T> valeur;
    std::string erreur;
};

// The bytes of a regular file, opened without blocking, kTailleMaxEntree at most.
Lu<std::string> lire_fichier(const std::string& chemin);
// The bytes of a descriptor up to its end, kTailleMaxEntree at most; `nom`
// names it in messages.
Lu<std::string> lire_descripteur(int fd, const std::string& nom);

// The position a saved game (exactly kTaillePartie bytes: its grid, with
// its barred directions) or a picture holds: up to 9 lines of up to 9
// characters, 'o' a marble, '.' an empty hole, anything else no hole; a
// 7-line picture is centred. Lines starting with '#' before it are comments.
Lu<Position> lire_position(std::string_view octets);

// The jump "e3-e5" names (from, to: column a-i, row 1-9), when p allows it.
Lu<Saut> lire_saut(std::string_view texte, const Position& p);

} // namespace trelmo::solveur
