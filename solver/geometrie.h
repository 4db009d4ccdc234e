#pragma once
// Geometry of the 49-hole grid as the solver sees it: the board's geometry
// (game/geometrie.h) under the solver's names, the eight symmetries applied to
// a whole Masque at once, and the three-colour classes of the holes.
#include "game/geometrie.h"
#include "solver/solveur.h"

#include <bit>
#include <cstdint>

namespace trelmo::solveur::interne {

constexpr int kTrous = kNbTrous;
constexpr Masque kTous = kTousLesTrous;

using Cellule = Case;

// Cell of hole n (1-49).
inline Cellule cellule(int trou) { return case_du_trou(trou); }
// Hole number of cell (c, r), 0 when the cell is not one of the 49 holes.
inline int trou_de(int col, int lig) { return numero_trou(col, lig); }

// The eight symmetries of the square, 0 the identity, numbered as the game
// numbers them. image(s, n) is the hole that symmetry s sends hole n to;
// transformer applies it to a whole set, a byte at a time.
inline int image(int sym, int trou) { return symetrique(sym, trou); }
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
