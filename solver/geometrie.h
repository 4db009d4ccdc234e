#pragma once
// Geometry of the 49-hole grid as the solver sees it: the cell of each hole,
// the eight symmetries of the square as bit permutations of a Masque, and the
// three-colour classes of the holes.
#include "solver/solveur.h"

#include <array>
#include <bit>
#include <cstdint>

namespace trelmo::solveur::interne {

constexpr int kTrous = 49;
constexpr Masque kTous = (Masque{1} << kTrous) - 1;

struct Cellule {
    int col = 0, lig = 0;
};

// Cell of hole n (1-49).
Cellule cellule(int trou);
// Hole number of cell (c, r), 0 when the cell is not one of the 49 holes.
int trou_de(int col, int lig);

// The eight symmetries of the square, 0 the identity. image(s, n) is the hole
// that symmetry s sends hole n to; transformer applies it to a whole set.
int image(int sym, int trou);
Masque transformer(int sym, Masque m);

// The three-colour class of a set of holes: 4 bits, the parities of the
// differences between the counts on the three diagonals of each family.
// A jump flips the three counts of each family at once, so the class of the
// marbles never changes during play; the class of a set is the XOR of the
// classes of its holes.
int classe_trou(int trou);
int classe(Masque m);

inline int compter(Masque m) { return std::popcount(m); }

} // namespace trelmo::solveur::interne
