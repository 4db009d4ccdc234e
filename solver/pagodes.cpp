#include "solver/pagodes.h"

#include <cstdlib>

namespace trelmo::solveur::interne {

namespace {

struct Brute {
    int plateau;
    std::array<std::int8_t, kTrous> w;
};

constexpr Brute kBrutes[] = {
#include "solver/pagodes_donnees.inc"
};

// The holes of the grid and their eight symmetric images, numbered as the
// rest of the solver numbers them (row by row from the top, left to right),
// here for the compiler: image(s, h) of the geometry, as a table.
constexpr bool est_trou(int c, int r)
{
    if (c < 1 || c > 9 || r < 1 || r > 9) return false;
    return (c >= 4 && c <= 6) || (r >= 4 && r <= 6) || ((r == 3 || r == 7) && c >= 3 && c <= 7);
}

using Images = std::array<std::array<std::uint8_t, kTrous + 1>, 8>;

constexpr Images images_des_trous()
{
    std::array<std::array<int, 10>, 10> numeros{};
    std::array<std::array<int, 2>, kTrous + 1> cellules{};
    int n = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (est_trou(c, r)) {
                ++n;
                cellules[static_cast<std::size_t>(n)] = {c, r};
                numeros[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] = n;
            }
    Images im{};
    for (int s = 0; s < 8; ++s)
        for (int t = 1; t <= kTrous; ++t) {
            int c = cellules[static_cast<std::size_t>(t)][0], r = cellules[static_cast<std::size_t>(t)][1];
            if (s & 1) c = 10 - c;
            if (s & 2) r = 10 - r;
            if (s & 4) std::swap(c, r);
            im[static_cast<std::size_t>(s)][static_cast<std::size_t>(t)] =
                static_cast<std::uint8_t>(numeros[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
        }
    return im;
}

constexpr std::size_t kImages = 8 * std::size(kBrutes);

struct Famille {
    std::array<PoidsCourts, kImages> w{};
    std::size_t nombre = 0;
};

// Each raw pagoda under each symmetry, in that order, a weight vector met
// before left out (found by a hash of its weights, then compared).
constexpr Famille construire()
{
    const Images im = images_des_trous();
    Famille f;
    constexpr std::size_t kPlaces = 16384;
    static_assert(kPlaces >= 2 * kImages);
    std::array<std::uint16_t, kPlaces> places{};   // 1 + index in f.w, 0 free
    for (const Brute& b : kBrutes)
        for (const auto& s : im) {
            PoidsCourts w{};
            for (std::size_t h = 0; h < kTrous; ++h) w[s[h + 1]] = b.w[h];
            std::uint64_t cle = 0;
            for (const std::int8_t v : w) cle = (cle ^ static_cast<std::uint8_t>(v)) * 0x9E3779B97F4A7C15ull;
            bool vu = false;
            std::size_t i = static_cast<std::size_t>(cle >> 50) & (kPlaces - 1);
            for (; places[i] != 0; i = (i + 1) & (kPlaces - 1))
                if (f.w[places[i] - 1u] == w) {
                    vu = true;
                    break;
                }
            if (vu) continue;
            places[i] = static_cast<std::uint16_t>(f.nombre + 1);
            f.w[f.nombre++] = w;
        }
    return f;
}

constexpr Famille kFamille = construire();

} // namespace

std::span<const PoidsCourts> famille_pagodes() { return {kFamille.w.data(), kFamille.nombre}; }

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

} // namespace trelmo::solveur::interne
