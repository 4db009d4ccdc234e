// The backward pass: from the final sets a search may still end on, up
// towards the root, among the positions no pagoda tells apart from a
// descendant of the root.
#include "solver/chercheur.h"

#include <algorithm>

namespace trelmo::solveur::interne {

namespace {

struct Noeud {
    Masque billes;
    std::uint32_t parent;   // index on the level below
    std::uint16_t saut;     // index in Regles::sauts
};

} // namespace

// From each final set still in reach, backwards: the positions one
// marble fuller that lead to it by one jump and that no pagoda tells
// apart from a descendant of `racine` (n marbles) — a descendant weighs
// no more than the root under every pagoda. A level left empty rules
// the set out; reaching the root gives the line. Sets whose levels grow
// past kMaxArriere, and those met after kTravailArriere positions in
// all, are left to the forward search. Returns 1 with the
// line in pile_, -1 when every set was ruled out (or the search was
// stopped: abandon_ tells), else 0 with the sets ruled out dropped.
int Chercheur::remonter(Masque racine, int n)
{
    if (!avec_buts_ || buts_.empty() || n > kProfondeur) return buts_.empty() && avec_buts_ ? -1 : 0;
    preparer_arriere();
    const std::size_t nc = candidates_.size();
    std::vector<std::int16_t> budget(nc);
    for (std::size_t c = 0; c < nc; ++c) budget[c] = static_cast<std::int16_t>(poids(*candidates_[c], racine));
    coupables_.clear();
    essai_.assign(nc, 0);

    std::vector<bool> exclu(buts_.size(), false);
    std::size_t travail = 0;
    for (std::size_t g = 0; g < buts_.size() && travail < kTravailArriere; ++g) {
        if (compter(buts_[g].billes) >= n) continue;
        switch (remonter_depuis(buts_[g].billes, n, racine, budget, travail)) {
        case Issue::arrete: return -1;
        case Issue::atteint: return 1;
        case Issue::exclu: exclu[g] = true; break;
        case Issue::trop: break;
        }
    }
    // The sets left, renumbered.
    std::vector<But> restants;
    for (std::size_t g = 0; g < buts_.size(); ++g)
        if (!exclu[g]) restants.push_back(buts_[g]);
    buts_ = std::move(restants);
    nb_mots_ = (buts_.size() + 63) / 64;
    vivants_[0] = Bits{};
    for (std::size_t g = 0; g < buts_.size(); ++g) vivants_[0][g / 64] |= std::uint64_t{1} << (g % 64);
    return buts_.empty() ? -1 : 0;
}

// The weight gained by undoing each jump, under each pagoda of the family.
// The family's weights are bytes: 16 bits hold any sum of 49 of them.
void Chercheur::preparer_arriere()
{
    const std::size_t nc = candidates_.size();
    const std::size_t ns = regles_.sauts.size();
    if (arriere_deltas_.size() == ns * nc) return;
    arriere_deltas_.assign(ns * nc, 0);
    for (std::size_t i = 0; i < ns; ++i) {
        const Triplet& t = regles_.sauts[i];
        for (std::size_t c = 0; c < nc; ++c) {
            const PoidsCourts& w = *candidates_[c];
            arriere_deltas_[i * nc + c] = static_cast<std::int16_t>(w[t.de] + w[t.par] - w[t.vers]);
        }
    }
}

// Whether undoing jump `saut` from a position whose weights are `py` gives
// a position heavier than the root (`budget`) under some pagoda. When it
// does not, the new position's weights are left in essai_.
bool Chercheur::hors_pagodes(const std::int16_t* py, std::size_t saut, const std::vector<std::int16_t>& budget)
{
    const std::size_t nc = candidates_.size();
    const std::int16_t* d = arriere_deltas_.data() + saut * nc;
    // The pagodas that ruled out positions lately go first.
    for (std::size_t j = 0; j < coupables_.size(); ++j) {
        const std::uint32_t c = coupables_[j];
        if (py[c] + d[c] > budget[c]) {
            if (j > 0) std::swap(coupables_[j], coupables_[j - 1]);
            return true;
        }
    }
    // Every pagoda at once (a loop the compiler vectorises).
    std::int16_t* w = essai_.data();
    std::int16_t depasse = 0;
    for (std::size_t c = 0; c < nc; ++c) {
        w[c] = static_cast<std::int16_t>(py[c] + d[c]);
        depasse |= static_cast<std::int16_t>(w[c] > budget[c]);
    }
    if (!depasse) return false;
    std::size_t c = 0;
    while (w[c] <= budget[c]) ++c;
    if (coupables_.size() < 16) coupables_.push_back(static_cast<std::uint32_t>(c));
    else coupables_.back() = static_cast<std::uint32_t>(c);
    return true;
}

// The backward pass from one final set f, level by level up to n marbles:
// `atteint` with the line in pile_ when the root is met, `exclu` when a
// level is left empty or the root is not on the last one, `trop` when a
// level grows past kMaxArriere, `arrete` when the budget ran out.
Chercheur::Issue Chercheur::remonter_depuis(Masque f, int n, Masque racine, const std::vector<std::int16_t>& budget,
                                            std::size_t& travail)
{
    const std::size_t nc = candidates_.size();
    const std::size_t ns = regles_.sauts.size();
    std::vector<std::vector<Noeud>> niveaux{{Noeud{f, 0, 0}}};
    std::vector<std::int16_t> poids_niveau(nc), poids_suivant;
    for (std::size_t c = 0; c < nc; ++c) poids_niveau[c] = static_cast<std::int16_t>(poids(*candidates_[c], f));
    for (int m = compter(f); m < n; ++m) {
        const std::vector<Noeud>& courant = niveaux.back();
        std::vector<Noeud> suivant;
        poids_suivant.clear();
        vus_arriere_.vider(courant.size() * 16);
        for (std::size_t x = 0; x < courant.size(); ++x) {
            if (interrompre()) return Issue::arrete;
            const Masque y = courant[x].billes;
            const std::int16_t* py = poids_niveau.data() + x * nc;
            for (std::size_t i = 0; i < ns; ++i) {
                const Triplet& t = regles_.sauts[i];
                if (!(y & t.v) || (y & t.sm)) continue;
                const Masque b = y ^ t.tout;
                if ((b & ~regles_.remplissables) || !vus_arriere_.inserer(b)) continue;
                if (hors_pagodes(py, i, budget)) continue;
                suivant.push_back(Noeud{b, static_cast<std::uint32_t>(x), static_cast<std::uint16_t>(i)});
                ++travail;
                poids_suivant.insert(poids_suivant.end(), essai_.begin(), essai_.end());
                if (suivant.size() > kMaxArriere) return Issue::trop;
            }
        }
        if (suivant.empty()) return Issue::exclu;
        niveaux.push_back(std::move(suivant));
        poids_niveau.swap(poids_suivant);
    }
    // Level n: the root, if it is there, and the line down to f.
    const std::vector<Noeud>& haut = niveaux.back();
    std::size_t x = 0;
    while (x < haut.size() && haut[x].billes != racine) ++x;
    if (x == haut.size()) return Issue::exclu;
    pile_.clear();
    for (std::size_t l = niveaux.size() - 1; l > 0; --l) {
        const Noeud& e = niveaux[l][x];
        const Triplet& t = regles_.sauts[e.saut];
        pile_.push_back(Saut{t.de, t.par, t.vers});
        x = e.parent;
    }
    return Issue::atteint;
}

} // namespace trelmo::solveur::interne
