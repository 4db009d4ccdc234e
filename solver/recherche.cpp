#include "solver/recherche.h"

#include "solver/transpo.h"

#include <algorithm>

namespace trelmo::solveur::interne {

namespace {

// Information bits of a transposition entry.
constexpr std::uint64_t kMinorant = 0x3f;        // proven: no line leaves fewer marbles than this
constexpr std::uint64_t kSansCible = 0x40;       // proven: the target cannot be reached

class Chercheur {
public:
    Chercheur(const Position& p, Horloge::time_point fin, std::stop_token arret)
        : regles_(regles_de(p)), fin_(fin), arret_(std::move(arret))
    {
        depart_ = p.billes & regles_.trous;
    }

    Resultat resoudre(int cible)
    {
        Resultat r;
        const int n = compter(depart_);
        meilleur_vu_ = n;
        if (cible != 0) {
            r.cible = Cible::inconnue;
            if (vers_cible_possible(cible)) {
                cible_ = bit(cible);
                syms_cible_ = symetries_fixant(regles_.syms, cible);
                pile_.clear();
                if (cible_atteinte(depart_, n)) {
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
            for (int k = minorant_classe(regles_, depart_); k <= n; ++k) {
                pile_.clear();
                if (atteindre(depart_, n, k)) {
                    r.meilleur = k;
                    r.prouve = true;
                    r.ligne = pile_;
                    return r;
                }
                if (abandon_) break;
            }
        }
        r.meilleur = meilleur_vu_;
        r.prouve = false;
        r.ligne = ligne_vue_;
        return r;
    }

private:
    // Whether one marble on `cible` is not ruled out from the start.
    bool vers_cible_possible(int cible) const
    {
        if (cible < 1 || cible > kTrous || !(regles_.remplissables & bit(cible))) return false;
        if (depart_ == 0) return false;
        return classe(depart_) == classe_trou(cible);
    }

    bool interrompre()
    {
        if ((++noeuds_ & 1023) != 0) return abandon_;
        if (arret_.stop_requested() || Horloge::now() >= fin_) abandon_ = true;
        return abandon_;
    }

    void noter(int n)
    {
        if (n < meilleur_vu_) {
            meilleur_vu_ = n;
            ligne_vue_ = pile_;
        }
    }

    void empiler(const Triplet& t) { pile_.push_back(Saut{t.de, t.par, t.vers}); }

    // Can the marbles `b` (n of them) be brought down to k or fewer?
    bool atteindre(Masque b, int n, int k)
    {
        noter(n);
        if (n <= k) return true;
        if (interrompre()) return false;
        if (minorant_classe(regles_, b) > k) return false;
        const Masque cle = canonique(b, regles_.syms);
        const std::uint64_t info = tt_.lire(cle);
        if (static_cast<int>(info & kMinorant) > k) return false;
        for (const Triplet& t : regles_.sauts) {
            if ((b & t.sm) != t.sm || (b & t.v)) continue;
            empiler(t);
            if (atteindre(b ^ t.tout, n - 1, k)) return true;
            pile_.pop_back();
            if (abandon_) return false;
        }
        tt_.ecrire(cle, (info & ~kMinorant) | static_cast<std::uint64_t>(k + 1));
        return false;
    }

    // Can the marbles `b` be brought down to one marble on the target?
    bool cible_atteinte(Masque b, int n)
    {
        noter(n);
        if (n == 1) return b == cible_;
        if (interrompre()) return false;
        const Masque cle = canonique(b, syms_cible_);
        const std::uint64_t info = tt_.lire(cle);
        if (info & kSansCible) return false;
        for (const Triplet& t : regles_.sauts) {
            if ((b & t.sm) != t.sm || (b & t.v)) continue;
            empiler(t);
            if (cible_atteinte(b ^ t.tout, n - 1)) return true;
            pile_.pop_back();
            if (abandon_) return false;
        }
        tt_.ecrire(cle, info | kSansCible);
        return false;
    }

    Regles regles_;
    Horloge::time_point fin_;
    std::stop_token arret_;
    Masque depart_ = 0;
    Masque cible_ = 0;
    std::vector<int> syms_cible_;
    Transpo tt_;
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
