#pragma once
// Beam probes: a breadth-first descent that keeps, at each number of
// marbles, only the most promising positions. It proves nothing by itself
// but finds good lines fast; a line down to the class bound is optimal.
#include "solver/recherche.h"

#include <optional>

namespace trelmo::solveur::interne {

struct Sonde {
    int meilleur = 0;              // marbles left at the end of `ligne`
    std::vector<Saut> ligne;
};

// One probe keeping `largeur` positions per level, or nothing when stopped.
std::optional<Sonde> sonder(const Regles& r, Masque billes, std::size_t largeur, Horloge::time_point fin,
                            const std::stop_token& arret);

} // namespace trelmo::solveur::interne
