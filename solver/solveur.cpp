// The public face of the solver: boards, grids, jumps and the timed search.
#include "solver/solveur.h"

#include "solver/geometrie.h"
#include "solver/recherche.h"
#include "solver/regles.h"
#include "solver/tables.h"

#include <algorithm>

namespace trelmo::solveur {

using namespace interne;

Masque trous_du_plateau(int niveau) { return trous_du_niveau(niveau); }

Position depuis_grille(const std::array<std::int32_t, 324>& grille, Masque trous)
{
    Position p;
    for (int t = 1; t <= kTrous; ++t) {
        if (!(trous & bit(t))) continue;
        const Cellule k = cellule(t);
        const std::size_t base = static_cast<std::size_t>(((k.col - 1) * 9 + (k.lig - 1)) * 4);
        bool hors = true, vide = false;
        for (std::size_t d = 0; d < 4; ++d) {
            const std::int32_t v = grille[base + d];
            hors = hors && v == -1;
            vide = vide || v == 2;
        }
        if (hors) continue;
        p.trous |= bit(t);
        if (!vide) p.billes |= bit(t);
        for (std::size_t d = 0; d < 4; ++d)
            if (grille[base + d] == -1) p.barres[d] |= bit(t);
    }
    return p;
}

std::vector<Saut> sauts_possibles(const Position& p)
{
    std::vector<Saut> r;
    for (const Triplet& t : sauts_permis(p))
        if ((p.billes & t.sm) == t.sm && !(p.billes & t.v)) r.push_back(Saut{t.de, t.par, t.vers});
    return r;
}

Position jouer(Position p, Saut s)
{
    p.billes &= ~(bit(s.de) | bit(s.par));
    p.billes |= bit(s.vers);
    return p;
}

Reponse resoudre(const Position& p, std::chrono::milliseconds budget, std::stop_token arret, std::uint64_t positions)
{
    const auto debut = Horloge::now();
    Limites l;
    l.arret = std::move(arret);
    // Budgets past a day stand for no limit.
    const bool sans_fin = budget >= std::chrono::hours(24);
    const std::uint64_t ms = static_cast<std::uint64_t>(std::max<std::int64_t>(budget.count(), 0));
    if (positions != 0) {
        l.positions = positions;
        if (!sans_fin) l.fin = debut + budget;
    } else {
        l.positions = sans_fin ? UINT64_MAX : ms * kPositionsParMs;
        if (!sans_fin) l.fin = debut + 10 * budget;
    }
    Resultat r = chercher(p, l);
    Reponse rep;
    rep.meilleur = r.meilleur;
    rep.prouve = r.prouve;
    rep.ligne = std::move(r.ligne);
    rep.cible = r.cible;
    rep.positions = r.positions;
    rep.ms = std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
    return rep;
}

void definir_repertoire_tables(const std::string& repertoire) { choisir_repertoire(repertoire); }

void precharger() { charger_tables(); }

std::string nom_trou(int trou)
{
    const std::string nom = nom_du_trou(trou);
    return nom.empty() ? "?" : nom;
}

} // namespace trelmo::solveur
