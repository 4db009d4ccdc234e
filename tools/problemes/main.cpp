// Finds the one-hole problems of a board that can be solved: for every hole
// that starts empty (one per set of holes the board's symmetries exchange)
// and every hole the last marble may stand on, looks for a line with the
// solver (recherche.h), and prints the series pictures of the problems
// catalogue (resources/problemes.txt).
//
//   trelmo_problemes_gen anglais|francais|mission [budget in ms per pair] [start hole...]
//
// With start holes named ("e5"), only those starts are looked at; otherwise
// one hole of each set that the board's symmetries exchange.
// Pairs the solver cannot settle within the budget are reported on standard
// error and left out.
#include "game/grille.h"
#include "game/problemes.h"
#include "solver/solveur.h"
#include "tools/problemes/recherche.h"

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
    std::vector<int> departs;
    for (int i = 3; i < argc; ++i)
        departs.push_back(trou_nomme(argv[i]));
    if (niveau == 0 || std::find(departs.begin(), departs.end(), 0) != departs.end()) {
        std::fprintf(stderr, "usage: %s anglais|francais|mission [budget-ms] [start hole...]\n", argv[0]);
        return 2;
    }
    const auto budget = std::chrono::milliseconds(argc > 2 ? std::atoi(argv[2]) : 60000);
    const std::uint64_t trous = trous_du_niveau(niveau);
    int paires = 0;
    for (int depart = 1; depart <= kNbTrous; ++depart) {
        const bool voulu = departs.empty() ? representant(depart) == depart
                                           : std::find(departs.begin(), departs.end(), depart) != departs.end();
        if (!(trous >> (depart - 1) & 1) || !voulu)
            continue;
        std::vector<int> cibles;
        for (int cible = 1; cible <= kNbTrous; ++cible) {
            if (!(trous >> (cible - 1) & 1))
                continue;
            solveur::Position p;
            p.trous = trous;
            p.billes = trous & ~solveur::bit(depart);
            p.cible = cible;
            const auto debut = std::chrono::steady_clock::now();
            // Most targets are ruled out at once by the colour classes.
            if (solveur::resoudre(p, std::chrono::milliseconds(200)).cible == solveur::Cible::impossible)
                continue;
            if (problemes::ligne_vers(p, cible, budget))
                cibles.push_back(cible);
            else
                std::fprintf(stderr, "%s -> %s: not settled in %lld ms\n", nom_du_trou(depart).c_str(),
                             nom_du_trou(cible).c_str(), static_cast<long long>(budget.count()));
            const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;
            std::fprintf(stderr, "%s -> %s: %.0f ms\n", nom_du_trou(depart).c_str(), nom_du_trou(cible).c_str(),
                         duree.count());
        }
        if (!cibles.empty()) {
            imprimer(niveau, depart, cibles);
            paires += static_cast<int>(cibles.size());
        }
    }
    std::fprintf(stderr, "%d pairs (before the symmetries)\n", paires);
    return 0;
}
