#pragma once
// Finding, with the solver, a line of jumps that leaves one marble on a given
// hole. The solver's best line from a position ends where it ends; turned by
// a symmetry of the board that keeps the position, or started with a few
// other opening jumps, it ends elsewhere, and a plain search is quick. The
// search asked with the target comes in between and last. Used by the
// generator to decide which one-hole problems to offer, and by the tests to
// prove each problem of the catalogue solvable.
#include "game/problemes.h"
#include "solver/solveur.h"

#include <bit>
#include <chrono>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace trelmo::problemes {

using Ligne = std::vector<solveur::Saut>;

inline std::uint64_t image(int s, std::uint64_t trous)
{
    return symetrique_des_trous(s, trous);
}

inline Ligne image(int s, const Ligne& ligne)
{
    Ligne l;
    for (const solveur::Saut& j : ligne)
        l.push_back({symetrique(s, j.de), symetrique(s, j.par), symetrique(s, j.vers)});
    return l;
}

// A line from `depart` (its target ignored) to one marble on `cible`, or none
// when the solver finds none within the budgets. Openings are tried up to
// `profondeur` jumps deep.
inline std::optional<Ligne> ligne_vers(solveur::Position depart, int cible,
                                       std::chrono::milliseconds budget = std::chrono::seconds(60),
                                       int profondeur = 3)
{
    using std::chrono::milliseconds;
    depart.cible = 0;
    std::vector<int> symetries;   // those that keep the holes, the bars and the marbles
    for (int s = 0; s < 8; ++s) {
        bool garde = image(s, depart.trous) == depart.trous && image(s, depart.billes) == depart.billes;
        for (int d = 0; d < 4 && garde; ++d)
            garde = depart.barres[static_cast<std::size_t>(d)] == 0;
        if (garde)
            symetries.push_back(s);
    }
    // The best line from `p` after `debut`, turned onto the target if it can be.
    auto essayer = [&](const solveur::Position& p, const Ligne& debut, milliseconds temps) -> std::optional<Ligne> {
        const solveur::Reponse r = solveur::resoudre(p, temps);
        if (r.meilleur != 1)
            return std::nullopt;
        Ligne l = debut;
        l.insert(l.end(), r.ligne.begin(), r.ligne.end());
        if (cible == 0)
            return l;
        const int fin = l.empty() ? std::countr_zero(p.billes) + 1 : l.back().vers;
        for (int s : symetries)
            if (symetrique(s, fin) == cible)
                return image(s, l);
        return std::nullopt;
    };
    auto avec_cible = [&](milliseconds temps) -> std::optional<Ligne> {
        solveur::Position p = depart;
        p.cible = cible;
        const solveur::Reponse r = solveur::resoudre(p, temps);
        if (r.cible == solveur::Cible::atteignable)
            return r.ligne;
        return std::nullopt;
    };

    if (auto l = essayer(depart, {}, std::min(budget, milliseconds(10000))))
        return l;
    if (auto l = avec_cible(std::min(budget, milliseconds(3000))))
        return l;
    std::vector<std::pair<solveur::Position, Ligne>> rang{{depart, {}}};
    std::set<std::uint64_t> vus{depart.billes};
    for (int d = 1; d <= profondeur; ++d) {
        std::vector<std::pair<solveur::Position, Ligne>> suivant;
        for (const auto& [p, debut] : rang)
            for (const solveur::Saut& j : solveur::sauts_possibles(p)) {
                const solveur::Position q = solveur::jouer(p, j);
                if (!vus.insert(q.billes).second)
                    continue;
                Ligne l = debut;
                l.push_back(j);
                if (auto trouve = essayer(q, l, milliseconds(2000)))
                    return trouve;
                suivant.emplace_back(q, std::move(l));
            }
        rang = std::move(suivant);
    }
    return avec_cible(budget);
}

} // namespace trelmo::problemes
