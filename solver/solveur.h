#pragma once
// The exact peg-solitaire solver: from any position of the 49-hole grid, the
// fewest marbles that can be left, a line of jumps that leaves them, and
// whether that count is proven. Standard library only.
#include "game/geometrie.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

namespace trelmo::solveur {

// A set of holes, bit n-1 for hole n, and the bit of a hole: the board's
// geometry (game/geometrie.h).
using trelmo::Masque;
using trelmo::bit;

// One jump: the marble on `de` jumps over `par` and lands on `vers` (hole numbers).
struct Saut {
    int de = 0, par = 0, vers = 0;
    bool operator==(const Saut&) const = default;
};

struct Position {
    Masque trous = 0;                 // the holes of the board
    Masque billes = 0;                // the marbles; a subset of trous
    // barres[d-1]: holes from which no jump is ever made in direction d
    // (1 up, 2 right, 3 down, 4 left), as the board's grid bars them.
    std::array<Masque, 4> barres{};
    int cible = 0;                    // 0, or the hole the last marble must stand on
};

enum class Cible { aucune, atteignable, impossible, inconnue };

struct Reponse {
    int meilleur = 0;            // fewest marbles that can be left
    bool prouve = false;         // true only when no line leaves fewer
    std::vector<Saut> ligne;     // legal jumps from the position leaving exactly `meilleur` marbles
    // With a target: whether one marble on the target can be reached. When it
    // can, `meilleur` is 1 and `ligne` ends with the last marble on the target.
    Cible cible = Cible::aucune;
    double ms = 0;               // time spent
    std::uint64_t positions = 0; // positions visited
};

// The holes of a standard board: 1 English (33), 2 French (37), 3 the 45-hole cross.
Masque trous_du_plateau(int niveau);

// The position held by a 9 x 9 x 4 grid (column slowest, direction fastest;
// -1 barred, 0/1 marble, 2 empty) restricted to the holes `trous`.
Position depuis_grille(const std::array<std::int32_t, 324>& grille, Masque trous);

// The jumps allowed now, and the position after one of them.
std::vector<Saut> sauts_possibles(const Position& p);
Position jouer(Position p, Saut s);

// Visited positions the search gets through in about a millisecond on one
// core of the 2-core development machine (2,700 to 4,500 on the 45-hole
// board, depending on the load): a budget of 1000 ms is 3 million positions.
constexpr std::uint64_t kPositionsParMs = 3000;

// Solves within a budget of visited positions: `positions`, or when it is 0,
// `budget` x kPositionsParMs. The answer depends on the position and the
// budget (and on what earlier searches of the process proved), never on the
// machine's load. The wall clock is only a safeguard: a search stops at
// `budget` when `positions` is given, at 10 x `budget` otherwise (a
// machine ten times slower than usual). Returns
// early, unproven, when `arret` is requested. Safe to call from several
// threads at once.
Reponse resoudre(const Position& p, std::chrono::milliseconds budget = std::chrono::milliseconds(1000),
                 std::stop_token arret = {}, std::uint64_t positions = 0);

// Where the precomputed tables lie (a directory); without tables the solver
// searches, exact but slower. Loading happens on the first call that needs
// them, or in precharger().
void definir_repertoire_tables(const std::string& repertoire);
void precharger();

// "e3" style name of a hole: column letter a-i, row digit 1-9 (row 1 at the top).
std::string nom_trou(int trou);

} // namespace trelmo::solveur
