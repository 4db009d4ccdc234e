#pragma once
// The search itself: iterative deepening on the number of marbles left,
// with a transposition table of proven lower bounds.
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
