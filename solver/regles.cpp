#include "solver/regles.h"

#include <algorithm>

namespace trelmo::solveur::interne {

std::vector<Triplet> sauts_permis(const Position& p)
{
    static constexpr int dc[4] = {0, 1, 0, -1}, dr[4] = {-1, 0, 1, 0};
    const Masque trous = p.trous & kTous;
    std::vector<Triplet> sauts;
    for (int s = 1; s <= kTrous; ++s) {
        if (!(trous & bit(s))) continue;
        const Cellule k = cellule(s);
        for (int d = 0; d < 4; ++d) {
            if (p.barres[static_cast<std::size_t>(d)] & bit(s)) continue;
            const int m = trou_de(k.col + dc[d], k.lig + dr[d]);
            const int v = trou_de(k.col + 2 * dc[d], k.lig + 2 * dr[d]);
            if (m == 0 || v == 0 || !(trous & bit(m)) || !(trous & bit(v))) continue;
            Triplet t;
            t.sm = bit(s) | bit(m);
            t.v = bit(v);
            t.tout = t.sm | t.v;
            t.de = static_cast<std::uint8_t>(s);
            t.par = static_cast<std::uint8_t>(m);
            t.vers = static_cast<std::uint8_t>(v);
            sauts.push_back(t);
        }
    }
    return sauts;
}

std::vector<int> symetries(const std::vector<Triplet>& sauts)
{
    std::vector<std::uint64_t> cles;
    auto cle = [](int s, int m, int v) { return std::uint64_t(s) << 16 | std::uint64_t(m) << 8 | std::uint64_t(v); };
    for (const Triplet& t : sauts) cles.push_back(cle(t.de, t.par, t.vers));
    std::sort(cles.begin(), cles.end());
    std::vector<int> syms{0};
    for (int s = 1; s < 8; ++s) {
        bool garde = true;
        for (const Triplet& t : sauts)
            if (!std::binary_search(cles.begin(), cles.end(), cle(image(s, t.de), image(s, t.par), image(s, t.vers)))) {
                garde = false;
                break;
            }
        if (garde) syms.push_back(s);
    }
    return syms;
}

std::vector<int> symetries_fixant(const std::vector<int>& syms, int trou)
{
    std::vector<int> r;
    for (int s : syms)
        if (image(s, trou) == trou) r.push_back(s);
    return r;
}

Regles regles_de(const Position& p)
{
    Regles r;
    r.trous = p.trous & kTous;
    const Masque billes = p.billes & r.trous;
    const std::vector<Triplet> tous = sauts_permis(p);

    // Holes that can hold a marble: the marbles, then every landing hole of a
    // jump whose start and jumped holes can.
    Masque f = billes;
    for (bool change = true; change;) {
        change = false;
        for (const Triplet& t : tous)
            if ((f & t.sm) == t.sm && !(f & t.v)) {
                f |= t.v;
                change = true;
            }
    }
    r.remplissables = f;
    for (const Triplet& t : tous)
        if ((f & t.sm) == t.sm) r.sauts.push_back(t);
    r.syms = symetries(r.sauts);

    // Classes of 1, 2 and 3 distinct fillable holes.
    std::array<std::uint8_t, 16> m;
    m.fill(4);
    std::vector<int> h;
    for (int t = 1; t <= kTrous; ++t)
        if (f & bit(t)) h.push_back(classe_trou(t));
    const std::size_t n = h.size();
    for (std::size_t i = 0; i < n; ++i) {
        m[static_cast<std::size_t>(h[i])] = 1;
        for (std::size_t j = i + 1; j < n; ++j) {
            auto& a = m[static_cast<std::size_t>(h[i] ^ h[j])];
            a = std::min<std::uint8_t>(a, 2);
        }
    }
    // Three holes: classes c = x ^ y ^ z; enough to know which pair classes
    // exist besides each hole.
    {
        std::array<int, 16> nb{};
        for (int c : h) ++nb[static_cast<std::size_t>(c)];
        for (int a = 0; a < 16; ++a)
            for (int b = a; b < 16; ++b)
                for (int c = b; c < 16; ++c) {
                    std::array<int, 16> besoin{};
                    ++besoin[static_cast<std::size_t>(a)];
                    ++besoin[static_cast<std::size_t>(b)];
                    ++besoin[static_cast<std::size_t>(c)];
                    bool ok = true;
                    for (int k = 0; k < 16 && ok; ++k) ok = besoin[static_cast<std::size_t>(k)] <= nb[static_cast<std::size_t>(k)];
                    if (ok) {
                        auto& x = m[static_cast<std::size_t>(a ^ b ^ c)];
                        x = std::min<std::uint8_t>(x, 3);
                    }
                }
    }
    r.minimum_classe = m;
    return r;
}

} // namespace trelmo::solveur::interne
