#pragma once
// Helpers shared by the solver tests: the board drawn independently of the
// solver, a jump checker and a slow, obviously correct solver.
#include "solver/solveur.h"

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <unordered_map>
#include <vector>

namespace essai_solveur {

using namespace trelmo::solveur;

struct Cell {
    int col = 0, lig = 0;
};

// The 49 holes row by row: columns 4-6 on every row, all columns on rows
// 4-6, columns 3-7 on rows 3 and 7.
inline bool est_trou(int c, int r)
{
    if (c < 1 || c > 9 || r < 1 || r > 9) return false;
    return (c >= 4 && c <= 6) || (r >= 4 && r <= 6) || ((r == 3 || r == 7) && c >= 3 && c <= 7);
}

inline Cell cell(int trou)
{
    int n = 0;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (est_trou(c, r) && ++n == trou) return {c, r};
    return {};
}

inline int trou(int c, int r)
{
    int n = 0;
    for (int rr = 1; rr <= 9; ++rr)
        for (int cc = 1; cc <= 9; ++cc)
            if (est_trou(cc, rr)) {
                ++n;
                if (cc == c && rr == r) return n;
            }
    return 0;
}

inline int billes(const Position& p) { return std::popcount(p.billes); }

// Plays `s` on p when the rules allow it; false otherwise.
inline bool jouer_si_permis(Position& p, const Saut& s)
{
    const Cell a = cell(s.de), m = cell(s.par), b = cell(s.vers);
    if (a.col == 0 || m.col == 0 || b.col == 0) return false;
    const int dc = m.col - a.col, dr = m.lig - a.lig;
    if (std::abs(dc) + std::abs(dr) != 1 || b.col != m.col + dc || b.lig != m.lig + dr) return false;
    const int d = dr == -1 ? 0 : dc == 1 ? 1 : dr == 1 ? 2 : 3;
    const Masque tous = bit(s.de) | bit(s.par) | bit(s.vers);
    if ((p.trous & tous) != tous || (p.barres[std::size_t(d)] & bit(s.de))) return false;
    if (!(p.billes & bit(s.de)) || !(p.billes & bit(s.par)) || (p.billes & bit(s.vers))) return false;
    p.billes ^= tous;
    return true;
}

// Replays a line; the marbles left, or -1 when a jump is not allowed.
inline int rejouer(Position p, const std::vector<Saut>& ligne, Position* fin = nullptr)
{
    for (const Saut& s : ligne)
        if (!jouer_si_permis(p, s)) return -1;
    if (fin) *fin = p;
    return billes(p);
}

// Every jump allowed from p, found by trying them all.
inline std::vector<Saut> tous_les_sauts(const Position& p)
{
    std::vector<Saut> r;
    for (int t = 1; t <= 49; ++t) {
        const Cell a = cell(t);
        for (auto [dc, dr] : {std::pair{0, -1}, std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}}) {
            const Saut s{t, trou(a.col + dc, a.lig + dr), trou(a.col + 2 * dc, a.lig + 2 * dr)};
            Position q = p;
            if (s.par && s.vers && jouer_si_permis(q, s)) r.push_back(s);
        }
    }
    return r;
}

// The fewest marbles left, by trying every line (memoised on the marbles).
inline int minimum_lent(const Position& p, std::map<Masque, int>& memo)
{
    if (auto it = memo.find(p.billes); it != memo.end()) return it->second;
    int m = billes(p);
    for (const Saut& s : tous_les_sauts(p)) {
        Position q = p;
        jouer_si_permis(q, s);
        m = std::min(m, minimum_lent(q, memo));
    }
    memo[p.billes] = m;
    return m;
}

// The same, faster, for positions of a dozen marbles or more: the jumps of
// the holes listed once, memoised in a hash map.
struct MinimumRapide {
    std::vector<std::array<Masque, 3>> sauts;   // from + over, to, all three
    std::unordered_map<Masque, int> memo;

    explicit MinimumRapide(const Position& p)
    {
        Position plein = p;
        plein.billes = 0;
        for (int t = 1; t <= 49; ++t) {
            const Cell a = cell(t);
            for (auto [dc, dr] : {std::pair{0, -1}, std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}}) {
                const Saut s{t, trou(a.col + dc, a.lig + dr), trou(a.col + 2 * dc, a.lig + 2 * dr)};
                Position q = plein;
                q.billes = bit(s.de) | (s.par ? bit(s.par) : 0);
                if (s.par && s.vers && jouer_si_permis(q, s))
                    sauts.push_back({bit(s.de) | bit(s.par), bit(s.vers), bit(s.de) | bit(s.par) | bit(s.vers)});
            }
        }
    }
    int operator()(Masque b)
    {
        if (auto it = memo.find(b); it != memo.end()) return it->second;
        int m = std::popcount(b);
        for (const auto& s : sauts)
            if ((b & s[0]) == s[0] && !(b & s[1])) m = std::min(m, (*this)(b ^ s[2]));
        memo[b] = m;
        return m;
    }
};

// Whether one marble can end on `cible`.
inline bool cible_lente(const Position& p, int cible, std::map<Masque, bool>& memo)
{
    if (billes(p) == 1) return p.billes == bit(cible);
    if (auto it = memo.find(p.billes); it != memo.end()) return it->second;
    bool ok = false;
    for (const Saut& s : tous_les_sauts(p)) {
        Position q = p;
        jouer_si_permis(q, s);
        if ((ok = cible_lente(q, cible, memo))) break;
    }
    memo[p.billes] = ok;
    return ok;
}

inline Position depart(int niveau)
{
    Position p;
    p.trous = trous_du_plateau(niveau);
    p.billes = p.trous & ~bit(25);
    return p;
}

// A position reached by `coups` random jumps from the standard start.
inline Position au_hasard(int niveau, int coups, std::mt19937& rng)
{
    Position p = depart(niveau);
    for (int i = 0; i < coups; ++i) {
        const auto s = tous_les_sauts(p);
        if (s.empty()) break;
        jouer_si_permis(p, s[rng() % s.size()]);
    }
    return p;
}

// The grid a saved game holds for a position: holes outside `p.trous` but in
// `visibles` are shown empty (value 2), as the game shows the holes a board
// does not use; every direction that leaves the holes of p, or is barred,
// holds -1.
inline std::array<std::int32_t, 324> grille_de(const Position& p, Masque visibles)
{
    std::array<std::int32_t, 324> g;
    g.fill(-1);
    for (int t = 1; t <= 49; ++t) {
        const Cell a = cell(t);
        const std::size_t base = std::size_t(((a.col - 1) * 9 + (a.lig - 1)) * 4);
        if (!(p.trous & bit(t))) {
            if (visibles & bit(t))
                for (std::size_t d = 0; d < 4; ++d) g[base + d] = 2;
            continue;
        }
        int d = 0;
        for (auto [dc, dr] : {std::pair{0, -1}, std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}}) {
            const int v = trou(a.col + 2 * dc, a.lig + 2 * dr), m = trou(a.col + dc, a.lig + dr);
            const bool ouvert = v && m && (p.trous & bit(v)) && (p.trous & bit(m)) && !(p.barres[std::size_t(d)] & bit(t));
            g[base + std::size_t(d)] = !(p.billes & bit(t)) ? (ouvert ? 2 : -1) : (ouvert ? 0 : -1);
            ++d;
        }
        if (!(p.billes & bit(t)) && g[base] != 2 && g[base + 1] != 2 && g[base + 2] != 2 && g[base + 3] != 2)
            g[base] = 2;   // an empty hole shows one value 2 at least
    }
    return g;
}

} // namespace essai_solveur
