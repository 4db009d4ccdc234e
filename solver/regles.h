#pragma once
// The jumps a position can ever use, reduced to those that can still fire,
// and what follows from them: the symmetries that keep them, the holes that
// can ever hold a marble, and lower bounds from the three-colour classes.
#include "solver/geometrie.h"

#include <cstdint>
#include <vector>

namespace trelmo::solveur::interne {

struct Triplet {
    Masque sm = 0;     // start and jumped holes: both must hold a marble
    Masque v = 0;      // landing hole: must be empty
    Masque tout = 0;   // the three holes; a jump flips them
    std::uint8_t de = 0, par = 0, vers = 0;
};

struct Regles {
    Masque trous = 0;                 // the holes of the position
    std::vector<Triplet> sauts;       // jumps that can still fire from the position, by start hole
    Masque remplissables = 0;         // holes that hold a marble now or may later
    std::vector<int> syms;            // symmetries (0-7) that map `sauts` onto itself; always holds 0
    // Fewest marbles of each class that a set of fillable holes can have,
    // capped at 4 (a class no set of 3 fillable holes has).
    std::array<std::uint8_t, 16> minimum_classe{};
};

// Every jump the rules of `p` allow, whatever the marbles.
std::vector<Triplet> sauts_permis(const Position& p);

// The rules in force from `p`: jumps whose start or jumped hole can never
// hold a marble again are dropped.
Regles regles_de(const Position& p);

// Symmetries that keep a set of jumps, and among them those that also fix
// one hole (for a target).
std::vector<int> symetries(const std::vector<Triplet>& sauts);
std::vector<int> symetries_fixant(const std::vector<int>& syms, int trou);

// The smallest symmetric image of m under the given symmetries.
inline Masque canonique(Masque m, const std::vector<int>& syms)
{
    Masque c = m;
    for (std::size_t i = 1; i < syms.size(); ++i) {
        const Masque t = transformer(syms[i], m);
        if (t < c) c = t;
    }
    return c;
}

// A lower bound on the marbles that can be left from `billes` (at least 1
// when there is a marble).
inline int minorant_classe(const Regles& r, Masque billes)
{
    if (billes == 0) return 0;
    return r.minimum_classe[static_cast<std::size_t>(classe(billes))];
}

} // namespace trelmo::solveur::interne
