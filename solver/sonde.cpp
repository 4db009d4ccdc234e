#include "solver/sonde.h"

#include <algorithm>
#include <array>

namespace trelmo::solveur::interne {

namespace {

struct Noeud {
    Masque billes;
    std::uint32_t parent;
    std::uint16_t saut;     // index in Regles::sauts
    std::int32_t note;
};

// Per hole: its grid neighbours, and its distance from the hole `centre`.
struct Voisinage {
    std::array<Masque, kTrous + 1> voisins{};
    std::array<std::int32_t, kTrous + 1> distance{};
    explicit Voisinage(int centre)
    {
        const Cellule m = cellule(centre);
        for (int h = 1; h <= kTrous; ++h) {
            const Cellule c = cellule(h);
            distance[static_cast<std::size_t>(h)] = std::abs(c.col - m.col) + std::abs(c.lig - m.lig);
            for (const auto& d : {std::pair{0, -1}, std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}})
                if (const int v = trou_de(c.col + d.first, c.lig + d.second)) voisins[static_cast<std::size_t>(h)] |= bit(v);
        }
    }
};

// Lower is better: marbles that stand alone, far from the others and from
// the middle of the board (or the hole the probe heads for), are the hard
// ones to take off.
std::int32_t noter(const Voisinage& v, Masque b)
{
    std::int32_t seuls = 0, distance = 0;
    for (Masque m = b; m; m &= m - 1) {
        const std::size_t h = static_cast<std::size_t>(std::countr_zero(m) + 1);
        distance += v.distance[h];
        seuls += (b & v.voisins[h]) == 0;
    }
    return seuls * 8 + distance;
}

} // namespace

std::optional<Sonde> sonder(const Regles& r, Masque billes, std::size_t largeur, Depense& depense, int centre,
                            const Garde* garde)
{
    static const Voisinage milieu(25);
    const Voisinage autre(centre == 25 ? 1 : centre);
    const Voisinage& v = centre == 25 ? milieu : autre;
    std::vector<std::vector<Noeud>> niveaux;
    niveaux.push_back({Noeud{billes, 0, 0, 0}});
    // The best end seen: level and index.
    std::size_t fin_niveau = 0, fin_index = 0;
    int fin_compte = compter(billes);
    Vus vus;
    std::vector<Noeud> suivants;
    // With a guard, the weights of the positions of the current level and
    // of the next one, `na` a position.
    const std::size_t na = garde ? garde->nombre : 0;
    std::vector<std::int32_t> poids_courants, poids_suivants;
    if (garde) poids_courants = garde->racine;
    for (;;) {
        const std::vector<Noeud>& courant = niveaux.back();
        suivants.clear();
        vus.vider(courant.size() * 24);
        for (std::size_t i = 0; i < courant.size(); ++i) {
            if (depense.compter()) return std::nullopt;
            const Masque b = courant[i].billes;
            bool bloque = true;
            for (std::size_t s = 0; s < r.sauts.size(); ++s) {
                const Triplet& t = r.sauts[s];
                if ((b & t.sm) != t.sm || (b & t.v)) continue;
                bloque = false;
                const Masque e = b ^ t.tout;
                if (garde) {
                    const std::int32_t* p = poids_courants.data() + i * na;
                    const std::int32_t* d = garde->deltas + s * na;
                    bool dessous = false;
                    for (std::size_t a = 0; a < na && !dessous; ++a) dessous = p[a] + d[a] < garde->seuils[a];
                    if (dessous) continue;
                }
                if (!vus.inserer(canonique(e, r.syms))) continue;
                suivants.push_back(Noeud{e, static_cast<std::uint32_t>(i), static_cast<std::uint16_t>(s), noter(v, e)});
            }
            if (bloque && compter(b) < fin_compte) {
                fin_compte = compter(b);
                fin_niveau = niveaux.size() - 1;
                fin_index = i;
            }
        }
        if (suivants.empty()) break;
        if (suivants.size() > largeur) {
            std::nth_element(suivants.begin(), suivants.begin() + static_cast<std::ptrdiff_t>(largeur), suivants.end(),
                             [](const Noeud& a, const Noeud& b) { return a.note < b.note; });
            suivants.resize(largeur);
        }
        if (garde) {
            poids_suivants.resize(suivants.size() * na);
            for (std::size_t j = 0; j < suivants.size(); ++j) {
                const std::int32_t* p = poids_courants.data() + suivants[j].parent * na;
                const std::int32_t* d = garde->deltas + suivants[j].saut * na;
                for (std::size_t a = 0; a < na; ++a) poids_suivants[j * na + a] = p[a] + d[a];
            }
            poids_courants.swap(poids_suivants);
        }
        niveaux.push_back(suivants);
    }
    Sonde s;
    s.meilleur = fin_compte;
    for (std::size_t n = fin_niveau, i = fin_index; n > 0; --n) {
        const Noeud& x = niveaux[n][i];
        const Triplet& t = r.sauts[x.saut];
        s.ligne.push_back(Saut{t.de, t.par, t.vers});
        i = x.parent;
    }
    std::reverse(s.ligne.begin(), s.ligne.end());
    return s;
}

} // namespace trelmo::solveur::interne
