#pragma once
// The board grid: 9 columns x 9 rows x 4 directions of signed 32-bit values.
// Columns and rows count 1-9 from the top left; directions 1 up, 2 right,
// 3 down, 4 left. Values: -1 barred, 0 marble that cannot jump that way now,
// 1 marble that can, 2 empty hole. Storage order: column slowest, direction
// fastest, so the array is the saved game's 1296 bytes value for value.
#include "game/geometrie.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace trelmo {

constexpr int kDirections = 4;
constexpr int kNbRepos = 44;   // tray sprites, and the marbles of a full board

enum Direction : int { HAUT = 1, DROITE = 2, BAS = 3, GAUCHE = 4 };

struct Grille {
    std::array<int32_t, kColonnes * kLignes * kDirections> v{};

    static constexpr bool dans_grille(int c, int r) { return trelmo::dans_grille(c, r); }
    static constexpr int index(int c, int r, int d) { return ((c - 1) * kLignes + (r - 1)) * kDirections + (d - 1); }

    // Caller guarantees 1 <= c, r <= 9 and 1 <= d <= 4.
    int32_t& at(int c, int r, int d) { return v[static_cast<std::size_t>(index(c, r, d))]; }
    int32_t at(int c, int r, int d) const { return v[static_cast<std::size_t>(index(c, r, d))]; }

    // Reading rules. A cell outside the 9 x 9 grid is off the board.
    bool hors_plateau(int c, int r) const;   // all four values -1, or outside the grid
    bool vide(int c, int r) const;           // at least one value 2 (never true outside the grid)
    bool bille(int c, int r) const;          // on the board and no value 2
    bool mobile(int c, int r) const;         // holds a marble with at least one value 1

    bool operator==(const Grille&) const = default;
};

// Neighbour (the cell jumped over) and landing cell of direction d from (c, r).
struct Pas { int dc, dr; };
constexpr Pas pas_direction(int d)
{
    switch (d) {
    case HAUT: return {0, -1};
    case DROITE: return {1, 0};
    case BAS: return {0, 1};
    default: return {-1, 0};
    }
}

} // namespace trelmo
