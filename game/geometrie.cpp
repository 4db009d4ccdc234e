// The board's geometry, computed once at compile time.
#include "game/geometrie.h"

namespace trelmo {

namespace {

constexpr bool croix(int c, int r) { return (c >= 4 && c <= 6) || (r >= 4 && r <= 6); }
constexpr bool coin(int c, int r) { return (c == 3 || c == 7) && (r == 3 || r == 7); }
constexpr bool est_trou(int c, int r) { return dans_grille(c, r) && (croix(c, r) || coin(c, r)); }

struct Tables {
    Case cases[kNbTrous + 1]{};                   // hole -> cell, index 0 unused
    int numeros[kColonnes + 1][kLignes + 1]{};    // cell -> hole, 0 when none
    int images[8][kNbTrous + 1]{};                // symmetry, hole -> hole
    Masque plateaux[4]{};                         // board -> holes, index 0 empty

    constexpr Tables()
    {
        int n = 0;
        for (int r = 1; r <= kLignes; ++r)
            for (int c = 1; c <= kColonnes; ++c)
                if (est_trou(c, r)) {
                    ++n;
                    cases[n] = Case{c, r};
                    numeros[c][r] = n;
                }
        for (int s = 0; s < 8; ++s)
            for (int t = 1; t <= kNbTrous; ++t) {
                int c = cases[t].col, r = cases[t].lig;
                if (s & 1) c = 10 - c;
                if (s & 2) r = 10 - r;
                if (s & 4) {
                    const int x = c;
                    c = r;
                    r = x;
                }
                images[s][t] = numeros[c][r];
            }
        for (int t = 1; t <= kNbTrous; ++t) {
            const int c = cases[t].col, r = cases[t].lig;
            const bool anglais = croix(c, r) && c >= 2 && c <= 8 && r >= 2 && r <= 8;
            if (anglais) plateaux[1] |= bit(t);
            if (anglais || coin(c, r)) plateaux[2] |= bit(t);
            if (croix(c, r)) plateaux[3] |= bit(t);
        }
    }
};

constexpr Tables kTables{};
static_assert(kTables.cases[kNbTrous] == Case{6, 9});
static_assert(kTables.numeros[5][5] == 25);
static_assert(kTables.images[3][1] == 49 && kTables.images[4][1] == 12);

} // namespace

Case case_du_trou(int n)
{
    if (n < 1 || n > kNbTrous)
        return Case{};
    return kTables.cases[n];
}

int numero_trou(int c, int r)
{
    if (!dans_grille(c, r))
        return 0;
    return kTables.numeros[c][r];
}

Masque trous_du_niveau(int32_t niveau)
{
    return niveau >= 1 && niveau <= 3 ? kTables.plateaux[niveau] : 0;
}

bool trou_du_niveau(int32_t niveau, int c, int r)
{
    const int n = numero_trou(c, r);
    return n != 0 && (trous_du_niveau(niveau) & bit(n)) != 0;
}

Masque bouts_des_bras() { return kTables.plateaux[3] & ~kTables.plateaux[2]; }
Masque coins() { return kTables.plateaux[2] & ~kTables.plateaux[1]; }

int symetrique(int s, int n)
{
    if (s < 0 || s > 7 || n < 1 || n > kNbTrous)
        return 0;
    return kTables.images[s][n];
}

Masque symetrique_des_trous(int s, Masque trous)
{
    Masque m = 0;
    for (int t = 1; t <= kNbTrous; ++t)
        if (trous & bit(t))
            m |= bit(symetrique(s, t));
    return m;
}

std::string nom_du_trou(int n)
{
    const Case k = case_du_trou(n);
    if (k.col == 0)
        return {};
    return std::string{static_cast<char>('a' + k.col - 1), static_cast<char>('0' + k.lig)};
}

int trou_nomme(std::string_view nom)
{
    if (nom.size() != 2 || nom[0] < 'a' || nom[0] > 'i' || nom[1] < '1' || nom[1] > '9')
        return 0;
    return numero_trou(nom[0] - 'a' + 1, nom[1] - '0');
}

} // namespace trelmo
