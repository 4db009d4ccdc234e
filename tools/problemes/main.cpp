// Finds the one-hole problems of a board that can be solved: for every hole
// that starts empty (one per set of holes the board's symmetries exchange)
// and every hole the last marble may stand on, asks the solver, and prints
// the series pictures of the problems catalogue (resources/problemes.txt).
//
//   trelmo_problemes_gen anglais|francais|mission [budget in ms per pair]
//
// Pairs the solver cannot settle within the budget are reported on standard
// error and left out.
#include "game/grille.h"
#include "game/problemes.h"
#include "solver/solveur.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace trelmo;

namespace {

// The lowest-numbered hole among the images of `trou`.
int representant(int trou)
{
    int r = trou;
    for (int s = 1; s < 8; ++s)
        r = std::min(r, symetrique(s, trou));
    return r;
}

void imprimer(int niveau, int depart, const std::vector<int>& cibles)
{
    const std::uint64_t trous = trous_du_niveau(niveau);
    const int premier = niveau == 3 ? 1 : 2, dernier = niveau == 3 ? 9 : 8;
    std::printf("\n# %s empty, finish on", nom_du_trou(depart).c_str());
    for (int c : cibles)
        std::printf(" %s", nom_du_trou(c).c_str());
    std::printf("\n");
    for (int r = premier; r <= dernier; ++r) {
        std::string ligne;
        for (int c = premier; c <= dernier; ++c) {
            const int n = numero_trou(c, r);
            char car = ' ';
            if (n != 0 && (trous >> (n - 1) & 1)) {
                const bool cible = std::find(cibles.begin(), cibles.end(), n) != cibles.end();
                car = n == depart ? (cible ? '*' : '.') : (cible ? '@' : 'o');
            }
            ligne += car;
            ligne += ' ';
        }
        while (!ligne.empty() && ligne.back() == ' ')
            ligne.pop_back();
        std::printf("%s\n", ligne.c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string plateau = argc > 1 ? argv[1] : "";
    const int niveau = plateau == "anglais" ? 1 : plateau == "francais" ? 2 : plateau == "mission" ? 3 : 0;
    if (niveau == 0 || argc > 3) {
        std::fprintf(stderr, "usage: %s anglais|francais|mission [budget-ms]\n", argv[0]);
        return 2;
    }
    const auto budget = std::chrono::milliseconds(argc > 2 ? std::atoi(argv[2]) : 60000);
    const std::uint64_t trous = trous_du_niveau(niveau);
    int paires = 0;
    for (int depart = 1; depart <= kNbTrous; ++depart) {
        if (!(trous >> (depart - 1) & 1) || representant(depart) != depart)
            continue;
        std::vector<int> cibles;
        for (int cible = 1; cible <= kNbTrous; ++cible) {
            if (!(trous >> (cible - 1) & 1))
                continue;
            solveur::Position p;
            p.trous = trous;
            p.billes = trous & ~solveur::bit(depart);
            p.cible = cible;
            const solveur::Reponse r = solveur::resoudre(p, budget);
            if (r.cible == solveur::Cible::atteignable)
                cibles.push_back(cible);
            else if (r.cible != solveur::Cible::impossible)
                std::fprintf(stderr, "%s -> %s: not settled in %lld ms\n", nom_du_trou(depart).c_str(),
                             nom_du_trou(cible).c_str(), static_cast<long long>(budget.count()));
            std::fprintf(stderr, "%s -> %s: %.0f ms\n", nom_du_trou(depart).c_str(), nom_du_trou(cible).c_str(), r.ms);
        }
        if (!cibles.empty()) {
            imprimer(niveau, depart, cibles);
            paires += static_cast<int>(cibles.size());
        }
    }
    std::fprintf(stderr, "%d pairs (before the symmetries)\n", paires);
    return 0;
}
