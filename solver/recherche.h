#pragma once
// The search itself. Probes give a first line; then, for one marble fewer
// than the best line known, each small final set of marbles of the right
// class is ruled out or reached: pagodas rule most of them out at once, a
// backward pass from each of the others (positions no heavier than the
// root under any pagoda) settles most of the rest, and a depth-first
// search with a transposition table of proven lower bounds the remainder.
// On the English board the table and its filter lead the way instead.
#include "solver/regles.h"

#include <chrono>
#include <stop_token>

namespace trelmo::solveur::interne {

using Horloge = std::chrono::steady_clock;

struct Resultat {
    int meilleur = 0;
    bool prouve = false;
    std::vector<Saut> ligne;
    Cible cible = Cible::aucune;
};

Resultat chercher(const Position& p, Horloge::time_point fin, std::stop_token arret);

// Positions the searches of this process have visited so far.
std::uint64_t noeuds_cherches();

} // namespace trelmo::solveur::interne
