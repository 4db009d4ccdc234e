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
    std::uint64_t positions = 0;   // visited
};

// What a search may spend: visited positions (what decides, so that an
// answer does not depend on the machine's speed), and as a safeguard the
// wall clock; a stop request ends it too.
struct Limites {
    Horloge::time_point fin = Horloge::time_point::max();
    std::uint64_t positions = UINT64_MAX;
    std::stop_token arret;
};

// The positions a search has visited, against its limits. A position is
// counted when the depth-first search enters it, when the backward pass
// expands it and when a probe expands it. The clock and the stop request
// are looked at every 256 positions.
struct Depense {
    std::uint64_t vus = 0;
    std::uint64_t limite = UINT64_MAX;
    std::uint64_t limite_tranche = UINT64_MAX;   // the end of the current turn of a move order
    Horloge::time_point fin = Horloge::time_point::max();
    std::stop_token arret;

    explicit Depense(const Limites& l = {}) : limite(l.positions), fin(l.fin), arret(l.arret) {}
    // Counts one position; true when the search (or its turn) must stop.
    bool compter()
    {
        ++vus;
        if (vus >= limite || vus >= limite_tranche) return true;
        if ((vus & 255) != 0) return false;
        return arret.stop_requested() || Horloge::now() >= fin;
    }
    // Whether the whole search must stop (not only the current turn).
    bool epuisee() const { return vus >= limite || arret.stop_requested() || Horloge::now() >= fin; }
};

Resultat chercher(const Position& p, const Limites& limites);

// Positions the searches of this process have visited so far.
std::uint64_t noeuds_cherches();

} // namespace trelmo::solveur::interne
