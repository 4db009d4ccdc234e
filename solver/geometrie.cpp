#include "solver/geometrie.h"

#include <array>

namespace trelmo::solveur::interne {

namespace {

struct Tables {
    // Bytewise permutation tables: 7 bytes of a Masque, 256 values each.
    std::array<std::array<std::array<Masque, 256>, 7>, 8> octets{};
    std::array<int, kTrous + 1> classes{};
    // Holes of each diagonal: (c + r) mod 3 and (c - r) mod 3.
    std::array<Masque, 3> diag_somme{}, diag_diff{};

    Tables()
    {
        for (int s = 0; s < 8; ++s)
            for (int o = 0; o < 7; ++o)
                for (int v = 0; v < 256; ++v) {
                    Masque m = 0;
                    for (int b = 0; b < 8; ++b) {
                        const int t = o * 8 + b + 1;
                        if ((v >> b & 1) && t <= kTrous) m |= bit(image(s, t));
                    }
                    octets[s][o][v] = m;
                }
        for (int t = 1; t <= kTrous; ++t) {
            const Cellule k = cellule(t);
            const int c = k.col, r = k.lig;
            const int a = (c + r) % 3, b = (c - r + 9) % 3;
            diag_somme[a] |= bit(t);
            diag_diff[b] |= bit(t);
            // Parity pattern of one marble on diagonal a: (a0^a1, a1^a2).
            const int pa = (a != 2 ? 1 : 0) | (a != 0 ? 2 : 0);
            const int pb = (b != 2 ? 1 : 0) | (b != 0 ? 2 : 0);
            classes[t] = pa | pb << 2;
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

} // namespace

Masque transformer(int sym, Masque m)
{
    const auto& o = tables().octets[static_cast<std::size_t>(sym)];
    return o[0][m & 0xff] | o[1][m >> 8 & 0xff] | o[2][m >> 16 & 0xff] | o[3][m >> 24 & 0xff]
        | o[4][m >> 32 & 0xff] | o[5][m >> 40 & 0xff] | o[6][m >> 48 & 0xff];
}

int classe_trou(int trou) { return tables().classes[static_cast<std::size_t>(trou)]; }

int classe(Masque m)
{
    const Tables& t = tables();
    const int a0 = compter(m & t.diag_somme[0]) & 1, a1 = compter(m & t.diag_somme[1]) & 1,
              a2 = compter(m & t.diag_somme[2]) & 1;
    const int b0 = compter(m & t.diag_diff[0]) & 1, b1 = compter(m & t.diag_diff[1]) & 1,
              b2 = compter(m & t.diag_diff[2]) & 1;
    return (a0 ^ a1) | (a1 ^ a2) << 1 | (b0 ^ b1) << 2 | (b1 ^ b2) << 3;
}

} // namespace trelmo::solveur::interne
