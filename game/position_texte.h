#pragma once
// A position or a problem as text, the picture trelmo-solve reads: one line
// a row, 'o' a marble, '.' an empty hole, anything else no hole; a 7-line
// picture stands for the middle of the 9 x 9 grid. A first comment line
// ("# ...") names the board, the target and the problem:
//
//   # Trelmo: english; target e5; name: The Cross
//     ...
//     .o.
//   ..ooo..
//   ...o...
//   .......
//     ...
//     ...
//
// Plain C++.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trelmo {

struct PositionTexte {
    int32_t niveau = 1;          // 1 English, 2 French, 3 the 45-hole board
    std::uint64_t billes = 0;    // bit n-1: a marble on hole n
    int32_t cible = 0;           // 0 or the hole the last marble must end on
    std::string nom;             // UTF-8, may be empty
};

// The holes of a board: trous_du_niveau() (game/problemes.h).

// "e5": column letter a-i, row 1-9 from the top; "" for no hole.
std::string nom_case(int trou);
// The hole a name gives, 0 for none.
int trou_de_nom(std::string_view nom);

std::string vers_texte(const PositionTexte& p);

// The position a text holds, or nothing: the picture's holes must be those of
// one of the three boards (the comment's board, when it names one); the
// comment's target must be a hole of it. Lines end with LF or CR LF; blank
// lines around the picture are allowed; at most 4096 bytes are looked at.
std::optional<PositionTexte> depuis_texte_position(std::string_view texte);

} // namespace trelmo
