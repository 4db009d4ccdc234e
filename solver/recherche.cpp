// The steps of a search: the table of a standard board, a target, probes,
// then for each count below the best line known the final sets, the
// backward pass and the depth-first search over the eight move orders.
#include "solver/chercheur.h"

#include <algorithm>
#include <atomic>
#include <climits>

namespace trelmo::solveur::interne {

Chercheur::Chercheur(const Position& p, const Limites& limites) : regles_(regles_de(p)), depense_(limites)
{
    depart_ = p.billes & regles_.trous;
    classe_ = classe(depart_);
    for (const PoidsCourts& w : famille_pagodes())
        if (est_pagode(w, regles_.sauts)) candidates_.push_back(&w);
    orienter(0);
    plateau_ = plateau_standard();
}

Resultat Chercheur::resoudre(int cible)
{
    Resultat r;
    const int n = compter(depart_);
    meilleur_vu_ = n;
    // A position of a standard board that its table holds: the count is
    // known, and the table leads the line down to where the search is fast.
    int connu = -1;
    if (plateau_ != 0) {
        table_ = table_du_plateau(plateau_);
        if (table_ && n >= table_->seuil()) connu = table_->valeur(canonique(depart_, kHuit));
    }
    if (connu >= 0 && (cible == 0 || connu > 1)) {
        if (cible != 0) r.cible = Cible::impossible;
        if (suivre_table(depart_, n, connu)) {
            r.meilleur = connu;
            r.prouve = true;
            r.ligne = pile_;
            return r;
        }
        if (abandon_) {
            r.meilleur = meilleur_vu_;
            r.ligne = ligne_vue_;
            return r;
        }
        // A table that disagrees with the search is not trusted: search.
        pile_.clear();
        table_ = nullptr;
        r.cible = Cible::aucune;
    }
    if (cible != 0) {
        r.cible = Cible::inconnue;
        if (vers_cible_possible(cible)) {
            cible_ = bit(cible);
            syms_cible_ = symetries_fixant(regles_.syms, cible);
            preparer(1, depart_, true);
            if (atteindre(n, 1, true)) {
                r.meilleur = 1;
                r.prouve = true;
                r.ligne = pile_;
                r.cible = Cible::atteignable;
                return r;
            }
            if (!abandon_) r.cible = Cible::impossible;
        } else {
            r.cible = Cible::impossible;
        }
    }
    if (!abandon_) {
        int minorant = minorant_classe(regles_, depart_);
        // Probes first: a line down to the class bound ends the search.
        int majorant = n;
        std::vector<Saut> ligne_majorant;
        {
            for (std::size_t largeur = 16; largeur <= kLargeurSonde && majorant > minorant; largeur *= 8) {
                const auto s = sonder(regles_, depart_, largeur, depense_);
                if (!s) {
                    abandon_ = true;
                    break;
                }
                if (s->meilleur < majorant) {
                    majorant = s->meilleur;
                    ligne_majorant = s->ligne;
                }
            }
            if (majorant < meilleur_vu_) {
                meilleur_vu_ = majorant;
                ligne_vue_ = ligne_majorant;
            }
        }
        // One marble, when the class allows it, is worth a try first: a line
        // to it ends the search, where ruling out the counts above it may
        // take long.
        if (minorant == 1 && majorant > 2 && !abandon_) {
            const std::uint64_t reste = depense_.limite - std::min(depense_.limite, depense_.vus);
            const int u = vers_un_trou(n, std::min<std::uint64_t>(reste / 3, kEssaiUn));
            if (u == 1) {
                majorant = 1;
                ligne_majorant = pile_;
                if (majorant < meilleur_vu_) {
                    meilleur_vu_ = majorant;
                    ligne_vue_ = ligne_majorant;
                }
            } else if (u == 0) {
                minorant = 2;
            }
        }
        // Downwards from the best line known: ruling out one marble fewer
        // than the probes' count settles the count at once, where going
        // up from the class bound would first rule out every smaller one.
        for (int k = majorant - 1; k >= minorant && !abandon_; k = majorant - 1) {
            if (k == 1) {
                // One marble: hole by hole, each watched by its own golden pagoda.
                const int u = vers_un_trou(n);
                if (u == 0) break;
                if (u < 0) continue;
            } else {
                preparer(k, depart_, false);
                if (!atteindre(n, k, false)) break;
            }
            majorant = n - static_cast<int>(pile_.size());
            ligne_majorant = pile_;
            if (majorant < meilleur_vu_) {
                meilleur_vu_ = majorant;
                ligne_vue_ = ligne_majorant;
            }
        }
        if (!abandon_) {
            r.meilleur = majorant;
            r.prouve = true;
            r.ligne = ligne_majorant;
            return r;
        }
    }
    r.meilleur = meilleur_vu_;
    r.prouve = false;
    r.ligne = ligne_vue_;
    return r;
}

// Whether the root (n marbles) can come down to one marble, asked hole by
// hole of its class: a search towards one hole prunes with that hole's
// golden pagoda, far stronger than the pagodas watching every hole at once.
// The holes take turns, with budgets growing fourfold from kPremierTour
// visited positions, each keeping what it proved in a table of its own.
// 1 with the line in pile_, 0 when every hole is ruled out, -1 when the
// budget ran out (abandon_ set), 2 when `plafond` visited positions did not
// settle the question.
int Chercheur::vers_un_trou(int n, std::uint64_t plafond)
{
    // The holes, and the probes heading for each, on the first call; a
    // later call goes on from where the last one stopped.
    if (trous_un_.empty()) {
        for (int h = 1; h <= kTrous; ++h)
            if ((regles_.remplissables & bit(h)) && classe_trou(h) == classe_) trous_un_.push_back(TrouUn{h});
        for (std::size_t largeur = 16; largeur <= kLargeurSonde; largeur *= 8)
            for (const TrouUn& t : trous_un_) {
                const auto s = sonder(regles_, depart_, largeur, depense_, t.trou);
                if (!s) {
                    abandon_ = true;
                    return -1;
                }
                if (s->meilleur == 1) {
                    pile_ = s->ligne;
                    return 1;
                }
            }
    }
    const std::uint64_t totale = depense_.limite;
    const std::uint64_t limite = plafond >= totale - std::min(totale, depense_.vus) ? totale : depense_.vus + plafond;
    for (;; tour_un_ *= 4) {
        bool reste = false;
        for (TrouUn& t : trous_un_) {
            if (t.exclu || t.tour > tour_un_) continue;
            cible_ = bit(t.trou);
            syms_cible_ = symetries_fixant(regles_.syms, t.trou);
            // A probe kept above this hole's pagodas first, once a turn is
            // large enough for a wider one than the hole has had.
            std::size_t largeur = t.largeur;
            while (largeur < kLargeurGardee && 2 * static_cast<std::uint64_t>(n) * std::max<std::size_t>(4 * largeur, 256) <= tour_un_)
                largeur = std::max<std::size_t>(4 * largeur, 256);
            if (largeur > t.largeur) {
                t.largeur = largeur;
                preparer(1, depart_, true);
                depense_.limite = limite;
                const int g = sonder_gardee(t.trou, largeur);
                depense_.limite = totale;
                if (g > 0) return 1;
                if (g < 0) {
                    if (depense_.epuisee()) {
                        abandon_ = true;
                        return -1;
                    }
                    return 2;
                }
            }
            std::swap(tt_, t.tt);
            preparer(1, depart_, true);
            depense_.limite = std::min(limite, depense_.vus + tour_un_);
            const bool atteint = atteindre(n, 1, true);
            depense_.limite = totale;
            std::swap(tt_, t.tt);
            if (atteint) return 1;
            if (!abandon_) {
                t.exclu = true;
                continue;
            }
            if (depense_.epuisee()) return -1;
            abandon_ = false;
            if (depense_.vus >= limite) return 2;   // this hole's turn goes on at the next call
            t.tour = tour_un_ * 4;
            reste = true;
        }
        if (!reste) {
            bool tous = true;
            for (const TrouUn& t : trous_un_) tous = tous && t.exclu;
            if (tous) return 0;
        }
    }
}

// A probe towards one marble on `trou` that keeps to the positions the
// pagodas watching that hole (from the last preparer()) do not rule out:
// where plain probes fill up with positions that can no longer end there.
// 1 with the line in pile_, 0 without one, -1 when the budget ran out.
int Chercheur::sonder_gardee(int trou, std::size_t largeur)
{
    if (buts_.empty()) return 0;
    Garde g;
    g.nombre = nb_actives_;
    g.deltas = deltas_.data();
    g.racine.assign(valeurs_.begin(), valeurs_.begin() + static_cast<std::ptrdiff_t>(nb_actives_));
    g.seuils.assign(nb_actives_, INT32_MIN);
    for (int j = 0; j < buts_[0].nb; ++j)
        g.seuils[buts_[0].p[static_cast<std::size_t>(j)]] = buts_[0].seuil[static_cast<std::size_t>(j)];
    const auto s = sonder(regles_, depart_, largeur, depense_, trou, &g);
    if (!s) return -1;
    if (s->meilleur != 1) return 0;
    pile_ = s->ligne;
    return 1;
}

// Whether one marble on `cible` is not ruled out from the start.
bool Chercheur::vers_cible_possible(int cible) const
{
    if (cible < 1 || cible > kTrous || !(regles_.remplissables & bit(cible))) return false;
    if (depart_ == 0) return false;
    return classe_ == classe_trou(cible);
}

// The final sets of a search for `k` marbles or fewer (or for the last
// marble on the target) that the pagodas do not already rule out from
// `racine`, each watched by the pagodas that come closest to ruling it
// out. Sets of exactly k marbles are enough: a line that leaves fewer
// passes through k. Without a manageable list of final sets, the class
// bound alone prunes.
void Chercheur::preparer(int k, Masque racine, bool vers_cible)
{
    buts_.clear();
    actives_.clear();
    avec_buts_ = false;
    std::vector<Masque> finales;
    // The candidates: the family's, and with a target its golden pagoda
    // after them.
    const std::size_t nf = candidates_.size();
    Poids doree{};
    bool avec_doree = false;
    if (vers_cible) {
        finales.push_back(cible_);
        doree = pagode_doree(static_cast<int>(std::countr_zero(cible_)) + 1);
        avec_doree = est_pagode(doree, regles_.sauts);
    } else if (k <= 3) {
        std::vector<int> h;
        for (int t = 1; t <= kTrous; ++t)
            if (regles_.remplissables & bit(t)) h.push_back(t);
        const std::size_t nh = h.size();
        bool trop = false;
        auto ajouter = [&](Masque m) {
            if (finales.size() >= kMaxButs) trop = true;
            else finales.push_back(m);
        };
        for (std::size_t i = 0; i < nh && !trop; ++i) {
            const int ci = classe_trou(h[i]);
            if (k == 1 && ci == classe_) ajouter(bit(h[i]));
            for (std::size_t j = i + 1; k >= 2 && j < nh && !trop; ++j) {
                const int cj = ci ^ classe_trou(h[j]);
                if (k == 2 && cj == classe_) ajouter(bit(h[i]) | bit(h[j]));
                for (std::size_t l = j + 1; k == 3 && l < nh && !trop; ++l)
                    if ((cj ^ classe_trou(h[l])) == classe_) ajouter(bit(h[i]) | bit(h[j]) | bit(h[l]));
            }
        }
        if (trop) finales.clear();
        else avec_buts_ = true;
        if (finales.empty() && !trop) avec_buts_ = true;   // nothing to end on: refuted at once
    }
    if (vers_cible) avec_buts_ = true;

    const std::size_t nc = nf + (avec_doree ? 1 : 0);
    auto poids_de = [&](std::size_t c, Masque m) { return c < nf ? poids(*candidates_[c], m) : poids(doree, m); };
    std::vector<std::int32_t> racine_v(nc);
    for (std::size_t c = 0; c < nc; ++c) racine_v[c] = poids_de(c, racine);
    std::vector<int> active_de(nc, -1);
    std::vector<Masque> survivantes;
    for (const Masque f : finales) {
        bool exclu = false;
        for (std::size_t c = 0; c < nc && !exclu; ++c) exclu = poids_de(c, f) > racine_v[c];
        if (!exclu) survivantes.push_back(f);
    }
    // Few final sets left: more pagodas watch each of them.
    const std::size_t par_but = std::clamp<std::size_t>(kMaxActives / 2 / std::max<std::size_t>(survivantes.size(), 1), 4, kParBut);
    std::vector<std::pair<std::int32_t, std::uint32_t>> marges;
    for (const Masque f : survivantes) {
        marges.clear();
        for (std::size_t c = 0; c < nc; ++c)
            marges.emplace_back(poids_de(c, f) - racine_v[c], static_cast<std::uint32_t>(c));
        const std::size_t garde = std::min(par_but, marges.size());
        std::partial_sort(marges.begin(), marges.begin() + static_cast<std::ptrdiff_t>(garde), marges.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        But but;
        but.billes = f;
        for (std::size_t j = 0; j < garde; ++j) {
            const std::uint32_t c = marges[j].second;
            if (active_de[c] < 0) {
                if (actives_.size() >= kMaxActives) continue;
                active_de[c] = static_cast<int>(actives_.size());
                if (c < nf) {
                    Poids& w = actives_.emplace_back();
                    std::copy(candidates_[c]->begin(), candidates_[c]->end(), w.begin());
                } else {
                    actives_.push_back(doree);
                }
            }
            but.p[static_cast<std::size_t>(but.nb)] = static_cast<std::uint16_t>(active_de[c]);
            but.seuil[static_cast<std::size_t>(but.nb)] = poids_de(c, f);
            ++but.nb;
        }
        buts_.push_back(but);
    }
    // Move order: jumps that keep most final sets in reach, then those
    // that lose the least weight under the golden pagodas of the holes
    // of those sets (jumps towards them).
    Poids guide{};
    for (const But& b : buts_)
        for (Masque m = b.billes; m; m &= m - 1) {
            const Poids d = pagode_doree(std::countr_zero(m) + 1);
            for (std::size_t h = 1; h <= kTrous; ++h) guide[h] += d[h] / 64;
        }
    guide_.assign(regles_.sauts.size(), 0);
    for (std::size_t i = 0; i < regles_.sauts.size(); ++i) {
        const Triplet& t = regles_.sauts[i];
        guide_[i] = guide[t.vers] - guide[t.de] - guide[t.par];
    }
    nb_actives_ = actives_.size();
    nb_mots_ = (buts_.size() + 63) / 64;
    deltas_.assign(regles_.sauts.size() * nb_actives_, 0);
    for (std::size_t i = 0; i < regles_.sauts.size(); ++i) {
        const Triplet& t = regles_.sauts[i];
        for (std::size_t a = 0; a < nb_actives_; ++a) {
            const Poids& w = actives_[a];
            deltas_[i * nb_actives_ + a] = w[t.vers] - w[t.de] - w[t.par];
        }
    }
    valeurs_.assign(kProfondeur * std::max<std::size_t>(nb_actives_, 1), 0);
    for (std::size_t a = 0; a < nb_actives_; ++a) valeurs_[a] = poids(actives_[a], racine);
    vivants_.assign(kProfondeur, Bits{});
    for (std::size_t g = 0; g < buts_.size(); ++g) vivants_[0][g / 64] |= std::uint64_t{1} << (g % 64);
    enfants_.assign(kProfondeur, {});
    bits_enfants_.assign(kProfondeur, {});
    poids_enfants_.assign(kProfondeur, {});
}

// The final sets still in reach after a position whose pagoda weights
// are `v`, among those in reach before it; their count.
int Chercheur::filtrer(const Bits& avant, const std::int32_t* v, Bits& apres) const
{
    int nb = 0;
    for (std::size_t m = 0; m < nb_mots_; ++m) {
        std::uint64_t garde = 0;
        for (std::uint64_t x = avant[m]; x; x &= x - 1) {
            const int i = std::countr_zero(x);
            const But& b = buts_[m * 64 + static_cast<std::size_t>(i)];
            bool ok = true;
            for (int j = 0; j < b.nb && ok; ++j)
                ok = v[b.p[static_cast<std::size_t>(j)]] >= b.seuil[static_cast<std::size_t>(j)];
            if (ok) garde |= std::uint64_t{1} << i;
        }
        apres[m] = garde;
        nb += std::popcount(garde);
    }
    return nb;
}

bool Chercheur::interrompre()
{
    if (!abandon_ && depense_.compter()) abandon_ = true;
    return abandon_;
}

// The order in which a search tries the jumps: by start hole as seen
// through symmetry `sym` (any of the eight, whatever the rules).
void Chercheur::orienter(int sym)
{
    ordre_.resize(regles_.sauts.size());
    for (std::size_t i = 0; i < ordre_.size(); ++i) ordre_[i] = static_cast<std::uint16_t>(i);
    std::sort(ordre_.begin(), ordre_.end(), [&](std::uint16_t a, std::uint16_t b) {
        const Triplet &x = regles_.sauts[a], &y = regles_.sauts[b];
        const int ax = image(sym, x.de), ay = image(sym, y.de);
        return ax != ay ? ax < ay : image(sym, x.vers) < image(sym, y.vers);
    });
}

// Runs `essai` (a depth-first search) in turns over the eight move
// orders with growing turns, counted in visited positions: one order may
// find in a millisecond a line another misses for seconds. Proven facts
// stay in the transposition table from one turn to the next. True when a
// turn found a line; false when one proved there is none, when the budget
// ran out, or once `pause` positions were visited in all (en_pause_ then).
bool Chercheur::en_tournant(const std::function<bool()>& essai, std::uint64_t pause)
{
    en_pause_ = false;
    for (std::uint64_t tranche = kPremiereTranche;; tranche *= 4)
        for (int sym = 0; sym < 8; ++sym) {
            orienter(sym);
            depense_.limite_tranche = depense_.vus + tranche;
            pile_.clear();
            const bool trouve = essai();
            const bool coupe = abandon_;
            abandon_ = false;
            depense_.limite_tranche = UINT64_MAX;
            if (trouve) return true;
            if (!coupe) return false;
            if (depense_.epuisee()) {
                abandon_ = true;
                return false;
            }
            if (depense_.vus >= pause) {
                en_pause_ = true;
                return false;
            }
        }
}

// Whether the marbles of the root (n of them) come down to k or fewer,
// or with `vers_cible` to the last marble on the target, once preparer()
// has run: the backward pass first when few final sets are left, else
// after a short forward search has failed to settle the question.
bool Chercheur::atteindre(int n, int k, bool vers_cible)
{
    auto avant = [&] { return descendre(depart_, n, k, 0, vers_cible); };
    if (buts_.size() > kButsArriere) {
        if (en_tournant(avant, depense_.vus + kAvantArriere)) return true;
        if (!en_pause_) return false;
    }
    const int a = remonter(depart_, n);
    if (a != 0) return a > 0;
    return en_tournant(avant);
}

void Chercheur::noter(int n)
{
    if (n < meilleur_vu_) {
        meilleur_vu_ = n;
        ligne_vue_ = pile_;
    }
}

// Can the marbles `b` (n of them, at depth `prof` below the root of the
// last preparer()) be brought down to k or fewer, or with `vers_cible`
// to the single marble on the target?
bool Chercheur::descendre(Masque b, int n, int k, int prof, bool vers_cible)
{
    noter(n);
    if (vers_cible) {
        if (n == 1) return b == cible_;
    } else if (n <= k) {
        return true;
    }
    if (interrompre()) return false;
    if (!avec_buts_ && minorant_classe(regles_, b) > k) return false;
    if (filtre_ && n >= table_->filtre_de() && n < table_->seuil() && !table_->filtre_peut_tenir(canonique(b, kHuit)))
        return false;
    // Counts: on a standard board, what every search of the process
    // proved; targets: what this one did.
    const bool partage = plateau_ != 0 && !vers_cible;
    const Masque cle = partage ? canonique(b, kHuit) : canonique(b, vers_cible ? syms_cible_ : regles_.syms);
    const std::uint64_t info = partage ? static_cast<std::uint64_t>(partagee::minorant(plateau_, cle)) : tt_.lire(cle);
    if (vers_cible ? (info & kSansCible) != 0 : static_cast<int>(info & kMinorant) > k) return false;

    const std::size_t p = static_cast<std::size_t>(prof);
    const std::size_t na = nb_actives_;
    const std::int32_t* v = valeurs_.data() + p * na;
    auto& enfants = enfants_[p];
    auto& bits = bits_enfants_[p];
    auto& poids_enfants = poids_enfants_[p];
    enfants.clear();
    for (const std::uint16_t i : ordre_) {
        const Triplet& t = regles_.sauts[i];
        if ((b & t.sm) != t.sm || (b & t.v)) continue;
        const std::size_t j = enfants.size();
        std::int32_t vivants = 0;
        if (avec_buts_) {
            if (bits.size() <= j) {
                bits.resize(j + 1);
                poids_enfants.resize((j + 1) * na);
            }
            std::int32_t* w = poids_enfants.data() + j * na;
            const std::int32_t* d = deltas_.data() + i * na;
            for (std::size_t a = 0; a < na; ++a) w[a] = v[a] + d[a];
            vivants = filtrer(vivants_[p], w, bits[j]);
            if (vivants == 0) continue;
        }
        // Insertion by note, after the equal ones: most final sets still
        // in reach first, then jumps towards them, then the move order.
        const Enfant e{i, static_cast<std::uint16_t>(j), note(vivants, i)};
        enfants.push_back(e);
        std::size_t r = enfants.size() - 1;
        for (; r > 0 && enfants[r - 1].note < e.note; --r) enfants[r] = enfants[r - 1];
        enfants[r] = e;
    }
    for (const Enfant& e : enfants) {
        if (avec_buts_) {
            std::copy_n(poids_enfants.data() + e.place * na, na, valeurs_.data() + (p + 1) * na);
            vivants_[p + 1] = bits[e.place];
        } else {
            vivants_[p + 1] = vivants_[p];
        }
        const Triplet& t = regles_.sauts[e.saut];
        pile_.push_back(Saut{t.de, t.par, t.vers});
        if (descendre(b ^ t.tout, n - 1, k, prof + 1, vers_cible)) return true;
        pile_.pop_back();
        if (abandon_) return false;
    }
    if (partage) partagee::noter_minorant(plateau_, cle, k + 1);
    else tt_.ecrire(cle, vers_cible ? (info | kSansCible) : ((info & ~kMinorant) | static_cast<std::uint64_t>(k + 1)));
    return false;
}

namespace {
std::atomic<std::uint64_t> total_noeuds{0};
} // namespace

Resultat chercher(const Position& p, const Limites& limites)
{
    Chercheur c(p, limites);
    Resultat r = c.resoudre(p.cible);
    r.positions = c.noeuds();
    total_noeuds += c.noeuds();
    return r;
}

std::uint64_t noeuds_cherches() { return total_noeuds.load(); }

} // namespace trelmo::solveur::interne
