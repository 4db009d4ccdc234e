#include "solver/pagodes.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

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
        // Built at every start of the solver: duplicates found by a hash of
        // the weights (then compared), without a copy of each set aside.
        std::unordered_multimap<std::uint64_t, std::size_t> vus(8 * std::size(kBrutes));
        std::vector<Poids> r;
        r.reserve(8 * std::size(kBrutes));
        std::array<std::array<std::size_t, kTrous>, 8> images{};
        for (int s = 0; s < 8; ++s)
            for (int h = 1; h <= kTrous; ++h) images[static_cast<std::size_t>(s)][static_cast<std::size_t>(h - 1)] = static_cast<std::size_t>(image(s, h));
        for (const Brute& b : kBrutes)
            for (const auto& im : images) {
                Poids& w = r.emplace_back();
                for (std::size_t h = 0; h < kTrous; ++h) w[im[h]] = b.w[h];
                std::uint64_t cle = 0;
                for (std::int32_t v : w) cle = (cle ^ static_cast<std::uint32_t>(v)) * 0x9E3779B97F4A7C15ull;
                const auto [de, a] = vus.equal_range(cle);
                if (std::any_of(de, a, [&](const auto& e) { return r[e.second] == w; })) r.pop_back();
                else vus.emplace(cle, r.size() - 1);
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
