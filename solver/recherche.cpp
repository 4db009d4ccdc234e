#include "solver/recherche.h"

#include "solver/sonde.h"
#include "solver/tables.h"
#include "solver/transpo.h"

#include <algorithm>
#include <array>

namespace trelmo::solveur::interne {

namespace {

// Information bits of a transposition entry.
constexpr std::uint64_t kMinorant = 0x3f;        // proven: no line leaves fewer marbles than this
constexpr std::uint64_t kSansCible = 0x40;       // proven: the target cannot be reached
// Positions with at least this many marbles are probed before the exact search.
constexpr int kSondeDes = 14;

// Pagoda functions: weights w on the holes such that w(de) + w(par) >= w(vers)
// for every jump, so the weight of the marbles never grows during play. A
// position whose weight is below that of every goal cannot reach a goal.
constexpr int kMaxPagodes = 12;
using Poids = std::array<std::int32_t, kTrous + 1>;

// w(h) = Fib(K - d(h, x)), d the grid distance: Fib(a) + Fib(a + 1) = Fib(a + 2)
// makes it a pagoda for any set of jumps on the grid, whatever the bars.
Poids pagode_doree(int centre)
{
    static constexpr int K = 19;
    std::array<std::int32_t, K + 1> fib{};
    fib[0] = 0;
    fib[1] = 1;
    for (int i = 2; i <= K; ++i) fib[static_cast<std::size_t>(i)] = fib[static_cast<std::size_t>(i - 1)] + fib[static_cast<std::size_t>(i - 2)];
    Poids w{};
    const Cellule c = cellule(centre);
    for (int h = 1; h <= kTrous; ++h) {
        const Cellule k = cellule(h);
        const int d = std::abs(k.col - c.col) + std::abs(k.lig - c.lig);
        w[static_cast<std::size_t>(h)] = fib[static_cast<std::size_t>(K - d)];
    }
    return w;
}

bool est_pagode(const Poids& w, const std::vector<Triplet>& sauts)
{
    for (const Triplet& t : sauts)
        if (w[t.de] + w[t.par] < w[t.vers]) return false;
    return true;
}

std::int64_t poids(const Poids& w, Masque b)
{
    std::int64_t s = 0;
    for (; b; b &= b - 1) s += w[static_cast<std::size_t>(std::countr_zero(b) + 1)];
    return s;
}

class Chercheur {
public:
    Chercheur(const Position& p, Horloge::time_point fin, std::stop_token arret)
        : regles_(regles_de(p)), fin_(fin), arret_(std::move(arret))
    {
        depart_ = p.billes & regles_.trous;
        classe_ = classe(depart_);
        orienter(0);
    }

    Resultat resoudre(int cible)
    {
        Resultat r;
        const int n = compter(depart_);
        meilleur_vu_ = n;
        // A position of a standard board that its table holds: the count is
        // known, and the table leads the line down to where the search is fast.
        int connu = -1;
        if (const int plateau = plateau_standard(); plateau != 0) {
            table_ = table_du_plateau(plateau);
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
                preparer_cible(cible);
                if (en_tournant([&] { return descendre(depart_, n, 1, valeurs_depart(), true); })) {
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
            const int minorant = minorant_classe(regles_, depart_);
            // Probes first: a line down to the class bound ends the search.
            int majorant = n;
            std::vector<Saut> ligne_majorant;
            if (n >= kSondeDes) {
                for (std::size_t largeur = 16; largeur <= 1024 && majorant > minorant; largeur *= 8) {
                    const auto s = sonder(regles_, depart_, largeur, fin_, arret_);
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
            for (int k = minorant; k < majorant && !abandon_; ++k) {
                preparer_compte(k);
                if (en_tournant([&] { return descendre(depart_, n, k, valeurs_depart(), false); })) {
                    r.meilleur = k;
                    r.prouve = true;
                    r.ligne = pile_;
                    return r;
                }
                if (abandon_) break;
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

private:
    using Valeurs = std::array<std::int32_t, kMaxPagodes>;
    static inline const std::vector<int> kHuit{0, 1, 2, 3, 4, 5, 6, 7};

    // The standard board (1-3) whose rules give the same game from the
    // position as its own rules, or 0.
    int plateau_standard() const
    {
        for (int plateau = 1; plateau <= 3; ++plateau) {
            Position s;
            s.trous = trous_du_plateau(plateau);
            s.billes = depart_;
            if ((depart_ & ~s.trous) != 0) continue;
            const Regles rs = regles_de(s);
            if (rs.sauts.size() != regles_.sauts.size()) continue;
            bool pareil = true;
            for (std::size_t i = 0; i < rs.sauts.size() && pareil; ++i)
                pareil = rs.sauts[i].tout == regles_.sauts[i].tout && rs.sauts[i].de == regles_.sauts[i].de;
            if (pareil) return plateau;
        }
        return 0;
    }

    // Follows the table from b (n marbles, `but` the known count): a jump to
    // a position the table gives the same count, then below the table the
    // search, which knows the count to reach. Probes go first: they find
    // most lines at once, where the search would first have to rule out the
    // wrong jumps.
    bool suivre_table(Masque b, int n, int but)
    {
        if (n <= but) return n == but;
        const int seuil = table_->seuil();
        if (n - 1 >= seuil) {
            std::vector<Triplet> bons;
            for (const Triplet& t : regles_.sauts)
                if ((b & t.sm) == t.sm && !(b & t.v) && table_->valeur(canonique(b ^ t.tout, kHuit)) == but)
                    bons.push_back(t);
            if (n - 1 == seuil)
                for (const Triplet& t : bons) {
                    pile_.push_back(Saut{t.de, t.par, t.vers});
                    if (sonder_vers(b ^ t.tout, but)) return true;
                    pile_.pop_back();
                    if (abandon_) return false;
                }
            for (const Triplet& t : bons) {
                pile_.push_back(Saut{t.de, t.par, t.vers});
                if (suivre_table(b ^ t.tout, n - 1, but)) return true;
                pile_.pop_back();
                if (abandon_) return false;
            }
            return false;
        }
        if (sonder_vers(b, but)) return true;
        if (abandon_) return false;
        preparer_compte(but);
        Valeurs v{};
        for (int j = 0; j < nb_pagodes_; ++j)
            v[static_cast<std::size_t>(j)] = static_cast<std::int32_t>(poids(pagodes_[static_cast<std::size_t>(j)], b));
        const std::size_t base = pile_.size();
        const std::vector<Saut> avant(pile_.begin(), pile_.end());
        const bool ok = en_tournant([&] {
            pile_.assign(avant.begin(), avant.begin() + static_cast<std::ptrdiff_t>(base));
            return descendre(b, n, but, v, false);
        });
        if (!ok) pile_.assign(avant.begin(), avant.end());
        return ok;
    }

    // A probe from b that reaches `but` marbles, its line pushed.
    bool sonder_vers(Masque b, int but)
    {
        for (std::size_t largeur = 16; largeur <= 128; largeur *= 8) {
            const auto s = sonder(regles_, b, largeur, fin_, arret_);
            if (!s) {
                abandon_ = true;
                return false;
            }
            if (s->meilleur == but) {
                pile_.insert(pile_.end(), s->ligne.begin(), s->ligne.end());
                return true;
            }
        }
        return false;
    }

    // Whether one marble on `cible` is not ruled out from the start.
    bool vers_cible_possible(int cible) const
    {
        if (cible < 1 || cible > kTrous || !(regles_.remplissables & bit(cible))) return false;
        if (depart_ == 0) return false;
        return classe_ == classe_trou(cible);
    }

    void ajouter_pagode(const Poids& w, std::int32_t seuil)
    {
        if (nb_pagodes_ >= kMaxPagodes || seuil <= 0 || !est_pagode(w, regles_.sauts)) return;
        pagodes_[static_cast<std::size_t>(nb_pagodes_)] = w;
        seuils_[static_cast<std::size_t>(nb_pagodes_)] = seuil;
        ++nb_pagodes_;
    }

    void preparer_cible(int cible)
    {
        nb_pagodes_ = 0;
        const Poids w = pagode_doree(cible);
        ajouter_pagode(w, w[static_cast<std::size_t>(cible)]);
        preparer_deltas();
    }

    // Pagodas against leaving k marbles or fewer: the goals are the sets of
    // at most k fillable holes whose class is that of the marbles.
    void preparer_compte(int k)
    {
        nb_pagodes_ = 0;
        std::vector<int> buts;   // fillable holes of the marbles' class
        for (int h = 1; h <= kTrous; ++h)
            if ((regles_.remplissables & bit(h)) && classe_trou(h) == classe_) buts.push_back(h);
        if (k == 1 && !buts.empty()) {
            Poids somme{};
            for (int h : buts) {
                const Poids w = pagode_doree(h);
                for (std::size_t i = 0; i < somme.size(); ++i) somme[i] += w[i];
            }
            ajouter_pagode(somme, seuil_compte(somme, 1));
            for (int h : buts) {
                const Poids w = pagode_doree(h);
                ajouter_pagode(w, seuil_compte(w, 1));
            }
        }
        preparer_deltas();
    }

    // The least weight of a set of at most k fillable holes of the marbles'
    // class (holes may repeat: a lower bound is enough).
    std::int32_t seuil_compte(const Poids& w, int k) const
    {
        constexpr std::int64_t kInfini = std::int64_t{1} << 40;
        std::array<std::int64_t, 16> m;
        m.fill(kInfini);
        m[0] = 0;
        std::int64_t meilleur = kInfini;
        for (int j = 1; j <= k; ++j) {
            std::array<std::int64_t, 16> s;
            s.fill(kInfini);
            for (int c = 0; c < 16; ++c) {
                if (m[static_cast<std::size_t>(c)] >= kInfini) continue;
                for (int h = 1; h <= kTrous; ++h)
                    if (regles_.remplissables & bit(h)) {
                        auto& x = s[static_cast<std::size_t>(c ^ classe_trou(h))];
                        x = std::min(x, m[static_cast<std::size_t>(c)] + w[static_cast<std::size_t>(h)]);
                    }
            }
            m = s;
            meilleur = std::min(meilleur, m[static_cast<std::size_t>(classe_)]);
        }
        return meilleur >= kInfini ? 0 : static_cast<std::int32_t>(meilleur);
    }

    void preparer_deltas()
    {
        deltas_.assign(regles_.sauts.size() * kMaxPagodes, 0);
        for (std::size_t i = 0; i < regles_.sauts.size(); ++i) {
            const Triplet& t = regles_.sauts[i];
            for (int j = 0; j < nb_pagodes_; ++j) {
                const Poids& w = pagodes_[static_cast<std::size_t>(j)];
                deltas_[i * kMaxPagodes + static_cast<std::size_t>(j)] = w[t.vers] - w[t.de] - w[t.par];
            }
        }
    }

    Valeurs valeurs_depart() const
    {
        Valeurs v{};
        for (int j = 0; j < nb_pagodes_; ++j)
            v[static_cast<std::size_t>(j)] = static_cast<std::int32_t>(poids(pagodes_[static_cast<std::size_t>(j)], depart_));
        return v;
    }

    bool interrompre()
    {
        if ((++noeuds_ & 1023) != 0) return abandon_;
        const auto maintenant = Horloge::now();
        if (arret_.stop_requested() || maintenant >= fin_) abandon_ = true;
        if (maintenant >= fin_tranche_) abandon_ = true;
        return abandon_;
    }

    // The order in which a search tries the jumps: by start hole as seen
    // through symmetry `sym` (any of the eight, whatever the rules).
    void orienter(int sym)
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
    // orders with growing time slices: one order may find in a millisecond
    // a line another misses for seconds. Proven facts stay in the
    // transposition table from one turn to the next. True when a turn found
    // a line; false when one proved there is none, or time ran out.
    template <class Essai>
    bool en_tournant(Essai&& essai)
    {
        for (auto tranche = std::chrono::milliseconds(2);; tranche *= 4)
            for (int sym = 0; sym < 8; ++sym) {
                orienter(sym);
                fin_tranche_ = Horloge::now() + tranche;
                pile_.clear();
                const bool trouve = essai();
                const bool coupe = abandon_;
                abandon_ = false;
                fin_tranche_ = Horloge::time_point::max();
                if (trouve) return true;
                if (!coupe) return false;
                if (arret_.stop_requested() || Horloge::now() >= fin_) {
                    abandon_ = true;
                    return false;
                }
            }
    }

    void noter(int n)
    {
        if (n < meilleur_vu_) {
            meilleur_vu_ = n;
            ligne_vue_ = pile_;
        }
    }

    // Can the marbles `b` (n of them, pagoda weights v) be brought down to k
    // or fewer, or with `vers_cible` to the single marble on the target?
    bool descendre(Masque b, int n, int k, const Valeurs& v, bool vers_cible)
    {
        noter(n);
        if (vers_cible) {
            if (n == 1) return b == cible_;
        } else if (n <= k) {
            return true;
        }
        if (interrompre()) return false;
        for (int j = 0; j < nb_pagodes_; ++j)
            if (v[static_cast<std::size_t>(j)] < seuils_[static_cast<std::size_t>(j)]) return false;
        if (!vers_cible && minorant_classe(regles_, b) > k) return false;
        const Masque cle = canonique(b, vers_cible ? syms_cible_ : regles_.syms);
        const std::uint64_t info = tt_.lire(cle);
        if (vers_cible ? (info & kSansCible) != 0 : static_cast<int>(info & kMinorant) > k) return false;

        for (const std::uint16_t i : ordre_) {
            const Triplet& t = regles_.sauts[i];
            if ((b & t.sm) != t.sm || (b & t.v)) continue;
            Valeurs w = v;
            for (int j = 0; j < nb_pagodes_; ++j) w[static_cast<std::size_t>(j)] += deltas_[i * kMaxPagodes + static_cast<std::size_t>(j)];
            pile_.push_back(Saut{t.de, t.par, t.vers});
            if (descendre(b ^ t.tout, n - 1, k, w, vers_cible)) return true;
            pile_.pop_back();
            if (abandon_) return false;
        }
        tt_.ecrire(cle, vers_cible ? (info | kSansCible) : ((info & ~kMinorant) | static_cast<std::uint64_t>(k + 1)));
        return false;
    }

    Regles regles_;
    Horloge::time_point fin_;
    std::stop_token arret_;
    Masque depart_ = 0;
    int classe_ = 0;
    Masque cible_ = 0;
    std::vector<int> syms_cible_;
    std::array<Poids, kMaxPagodes> pagodes_{};
    std::array<std::int32_t, kMaxPagodes> seuils_{};
    int nb_pagodes_ = 0;
    std::vector<std::int32_t> deltas_;
    std::vector<std::uint16_t> ordre_;
    Horloge::time_point fin_tranche_ = Horloge::time_point::max();
    Transpo tt_;
    const Table* table_ = nullptr;
    std::vector<Saut> pile_, ligne_vue_;
    int meilleur_vu_ = 0;
    std::uint64_t noeuds_ = 0;
    bool abandon_ = false;
};

} // namespace

Resultat chercher(const Position& p, Horloge::time_point fin, std::stop_token arret)
{
    Chercheur c(p, fin, std::move(arret));
    return c.resoudre(p.cible);
}

} // namespace trelmo::solveur::interne
