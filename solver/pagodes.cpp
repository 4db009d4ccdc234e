#include "solver/pagodes.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace trelmo::solveur::interne {

namespace {

struct Brute {
    int plateau;
    std::array<std::int8_t, kTrous> w;
};

constexpr Brute kBrutes[] = {
#include "solver/pagodes_donnees.inc"
};

} // namespace

const std::vector<Poids>& famille_pagodes()
{
    static const std::vector<Poids> famille = [] {
        std::set<Poids> vus;
        std::vector<Poids> r;
        for (const Brute& b : kBrutes)
            for (int s = 0; s < 8; ++s) {
                Poids w{};
                for (int h = 1; h <= kTrous; ++h) w[static_cast<std::size_t>(image(s, h))] = b.w[static_cast<std::size_t>(h - 1)];
                if (vus.insert(w).second) r.push_back(w);
            }
        return r;
    }();
    return famille;
}

Poids pagode_doree(int centre)
{
    static constexpr int K = 19;
    std::array<std::int32_t, K + 1> fib{};
    fib[1] = 1;
    for (std::size_t i = 2; i <= K; ++i) fib[i] = fib[i - 1] + fib[i - 2];
    Poids w{};
    const Cellule c = cellule(centre);
    for (int h = 1; h <= kTrous; ++h) {
        const Cellule k = cellule(h);
        const int d = std::abs(k.col - c.col) + std::abs(k.lig - c.lig);
        w[static_cast<std::size_t>(h)] = fib[static_cast<std::size_t>(K - d)];
    }
    return w;
}

bool est_pagode(const Poids& w, const std::vector<Triplet>& sauts)
{
    for (const Triplet& t : sauts)
        if (w[t.de] + w[t.par] < w[t.vers]) return false;
    return true;
}

} // namespace trelmo::solveur::interne
