#pragma once
// Pagoda functions: weights w on the holes with w(from) + w(over) >= w(to)
// for every jump, so the weight of the marbles never grows during play. A
// position lighter than a final set of marbles cannot end on that set.
#include "solver/regles.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace trelmo::solveur::interne {

using Poids = std::array<std::int32_t, kTrous + 1>;   // indexed by hole, [0] unused
// The family's weights are small: one byte each.
using PoidsCourts = std::array<std::int8_t, kTrous + 1>;

// The family found by linear programming for the standard boards
// (tools/solveur/trouver_pagodes.cpp), with their eight symmetric images,
// each given once. Built by the compiler: nothing of it is computed or
// copied when a program starts.
std::span<const PoidsCourts> famille_pagodes();

// w(h) = Fib(19 - d(h, centre)), d the grid distance: Fib(a) + Fib(a + 1) =
// Fib(a + 2) makes it a pagoda for any jumps on the grid, whatever the bars.
Poids pagode_doree(int centre);

template <class W>
bool est_pagode(const W& w, const std::vector<Triplet>& sauts)
{
    for (const Triplet& t : sauts)
        if (w[t.de] + w[t.par] < w[t.vers]) return false;
    return true;
}

template <class W>
std::int32_t poids(const W& w, Masque b)
{
    std::int32_t s = 0;
    for (; b; b &= b - 1) s += w[static_cast<std::size_t>(std::countr_zero(b) + 1)];
    return s;
}

} // namespace trelmo::solveur::interne
