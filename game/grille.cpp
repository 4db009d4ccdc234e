// Reading rules of the board grid and the numbering of the 49 holes.
#include "game/grille.h"

namespace trelmo {

namespace {

constexpr bool est_trou(int c, int r)
{
    if (!Grille::dans_grille(c, r))
        return false;
    if ((c >= 4 && c <= 6) || (r >= 4 && r <= 6))
        return true;
    return (r == 3 || r == 7) && c >= 3 && c <= 7;
}

struct Numerotation {
    Case cases[kNbTrous + 1]{};                   // hole number -> cell, index 0 unused
    int numeros[kColonnes + 1][kLignes + 1]{};    // cell -> hole number, 0 when none

    constexpr Numerotation()
    {
        int n = 0;
        for (int r = 1; r <= kLignes; ++r)
            for (int c = 1; c <= kColonnes; ++c)
                if (est_trou(c, r)) {
                    ++n;
                    cases[n] = Case{c, r};
                    numeros[c][r] = n;
                }
    }
};

constexpr Numerotation kNumerotation{};
static_assert(kNumerotation.cases[kNbTrous].col == 6 && kNumerotation.cases[kNbTrous].lig == 9);
static_assert(kNumerotation.numeros[5][5] == 25);

} // namespace

bool Grille::hors_plateau(int c, int r) const
{
    if (!dans_grille(c, r))
        return true;
    for (int d = 1; d <= kDirections; ++d)
        if (at(c, r, d) != -1)
            return false;
    return true;
}

bool Grille::vide(int c, int r) const
{
    if (!dans_grille(c, r))
        return false;
    for (int d = 1; d <= kDirections; ++d)
        if (at(c, r, d) == 2)
            return true;
    return false;
}

bool Grille::bille(int c, int r) const
{
    return !hors_plateau(c, r) && !vide(c, r);
}

bool Grille::mobile(int c, int r) const
{
    if (!bille(c, r))
        return false;
    for (int d = 1; d <= kDirections; ++d)
        if (at(c, r, d) == 1)
            return true;
    return false;
}

Case case_du_trou(int n)
{
    if (n < 1 || n > kNbTrous)
        return Case{};
    return kNumerotation.cases[n];
}

int numero_trou(int c, int r)
{
    if (!Grille::dans_grille(c, r))
        return 0;
    return kNumerotation.numeros[c][r];
}

} // namespace trelmo
