#pragma once
// Beam probes: a breadth-first descent that keeps, at each number of
// marbles, only the most promising positions. It proves nothing by itself
// but finds good lines fast; a line down to the class bound is optimal.
#include "solver/recherche.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace trelmo::solveur::interne {

// A set of positions met on one level of a breadth-first pass: open
// addressing, emptied level by level.
class Vus {
public:
    void vider(std::size_t attendus)
    {
        std::size_t n = 64;
        while (n < attendus * 2) n *= 2;
        if (v_.size() != n) v_.assign(n, 0);
        else std::fill(v_.begin(), v_.end(), 0);
        nb_ = 0;
    }
    // False when m was already there. m is never 0 (a position with marbles).
    bool inserer(Masque m)
    {
        if (v_.empty()) vider(32);
        if ((nb_ + 1) * 2 > v_.size()) grandir();
        if (!placer(v_, m)) return false;
        ++nb_;
        return true;
    }

private:
    static bool placer(std::vector<Masque>& v, Masque m)
    {
        const std::size_t masque = v.size() - 1;
        for (std::size_t i = static_cast<std::size_t>((m * 0x9E3779B97F4A7C15ull) >> 40) & masque;; i = (i + 1) & masque) {
            if (v[i] == m) return false;
            if (v[i] == 0) {
                v[i] = m;
                return true;
            }
        }
    }
    void grandir()
    {
        std::vector<Masque> w(v_.size() * 2, 0);
        for (const Masque m : v_)
            if (m != 0) placer(w, m);
        v_.swap(w);
    }

    std::vector<Masque> v_;
    std::size_t nb_ = 0;
};

struct Sonde {
    int meilleur = 0;              // marbles left at the end of `ligne`
    std::vector<Saut> ligne;
};

// One probe keeping `largeur` positions per level, heading for the hole
// `centre`, or nothing when the budget ran out (each position it expands
// is counted).
// Pagodas that a probe keeps its positions above: with jump i, the weight
// under pagoda a changes by deltas[i * nombre + a]; a position lighter than
// seuils[a] is dropped (it cannot reach what the probe heads for).
struct Garde {
    std::size_t nombre = 0;
    const std::int32_t* deltas = nullptr;
    std::vector<std::int32_t> racine, seuils;   // the root's weights, the lowest allowed
};

std::optional<Sonde> sonder(const Regles& r, Masque billes, std::size_t largeur, Depense& depense, int centre = 25,
                            const Garde* garde = nullptr);

} // namespace trelmo::solveur::interne
