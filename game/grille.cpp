// Reading rules of the board grid.
#include "game/grille.h"

namespace trelmo {

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

} // namespace trelmo
