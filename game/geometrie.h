#pragma once
// The board's geometry: the 49 holes of the 9 x 9 grid and their cells, the
// holes of the three boards, the eight symmetries of the square, the names of
// the holes. One place for all of it: the game, the solver, the dialogs and
// the window read it here. Standard library only.
#include <cstdint>
#include <string>
#include <string_view>

namespace trelmo {

constexpr int kColonnes = 9;
constexpr int kLignes = 9;
constexpr int kNbTrous = 49;

// A set of holes: bit n-1 stands for hole n (1-49).
using Masque = std::uint64_t;
constexpr Masque bit(int trou) { return Masque{1} << (trou - 1); }
constexpr Masque kTousLesTrous = (Masque{1} << kNbTrous) - 1;

// A cell of the grid: column and row, 1-9 from the top left.
struct Case {
    int col = 0;
    int lig = 0;
    bool operator==(const Case&) const = default;
};

constexpr bool dans_grille(int c, int r) { return c >= 1 && c <= kColonnes && r >= 1 && r <= kLignes; }

// The 49 holes are the cells of the 45-hole cross and the four corners
// (3, 3), (7, 3), (3, 7), (7, 7), numbered 1-49 row by row from the top,
// left to right: hole 1 is (4, 1), hole 25 the centre (5, 5), hole 49 (6, 9).
// The cell of hole n; {0, 0} for any other n.
Case case_du_trou(int n);
// The hole of cell (c, r), or 0 when the cell is not a hole.
int numero_trou(int c, int r);

// The holes of a board: 1 the English board (33), 2 the French board (37),
// 3 the 45-hole cross; 0 for any other value.
Masque trous_du_niveau(int32_t niveau);
// Whether cell (c, r) is a hole of that board.
bool trou_du_niveau(int32_t niveau, int c, int r);
// The holes of one board that the smaller board lacks: the twelve arm tips
// of the cross (on the 45-hole board only) and the four corners (on the
// French board only).
Masque bouts_des_bras();
Masque coins();

// The eight symmetries of the square about the centre (5, 5), 0 the
// identity: bit 0 mirrors left and right, bit 1 top and bottom, then bit 2
// swaps columns and rows. The three boards have all eight. The image of
// hole n under symmetry s (0-7); 0 for a number outside 1-49 or s outside 0-7.
int symetrique(int s, int n);
// The image of a whole set of holes.
Masque symetrique_des_trous(int s, Masque trous);

// "e5" style name of hole n: column letter a-i, row digit 1-9 from the top;
// "" for a number outside 1-49. trou_nomme() reads it back (0 when unknown).
std::string nom_du_trou(int n);
int trou_nomme(std::string_view nom);

} // namespace trelmo
