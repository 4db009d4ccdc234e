// The lines a standard board's table leads down: a jump to a position the
// table gives the same count, then below the table probes and the search.
#include "solver/chercheur.h"

namespace trelmo::solveur::interne {

// The standard board (1-3) whose rules give the same game from the
// position as its own rules, or 0.
int Chercheur::plateau_standard() const
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
bool Chercheur::suivre_table(Masque b, int n, int but)
{
    if (n <= but) return n == but;
    const int seuil = table_->seuil();
    if (n - 1 >= seuil) {
        std::vector<Triplet> bons;
        for (const Triplet& t : regles_.sauts)
            if ((b & t.sm) == t.sm && !(b & t.v) && table_->valeur(canonique(b ^ t.tout, kHuit)) == but)
                bons.push_back(t);
        const bool filtre = table_->filtre_de() > 0 && but == table_->filtre_valeur();
        if (n - 1 == seuil && !filtre)
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
    // b was reached from the start: below it, the table's filter tells
    // the positions that cannot get down to its count.
    filtre_ = table_->filtre_de() > 0 && but == table_->filtre_valeur();
    if (!filtre_ && sonder_vers(b, but)) return true;
    if (abandon_) return false;
    preparer(but, b, false);
    const std::vector<Saut> avant(pile_.begin(), pile_.end());
    const bool ok = en_tournant([&] {
        pile_ = avant;
        return descendre(b, n, but, 0, false);
    });
    filtre_ = false;
    if (!ok) pile_ = avant;
    return ok;
}

// A probe from b that reaches `but` marbles, its line pushed.
bool Chercheur::sonder_vers(Masque b, int but)
{
    for (std::size_t largeur = 16; largeur <= 128; largeur *= 8) {
        const auto s = sonder(regles_, b, largeur, depense_);
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

} // namespace trelmo::solveur::interne
