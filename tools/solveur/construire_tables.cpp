// Builds the solver's tables: for a standard board, every position reached
// from its standard start, with the fewest marbles that can be left from it,
// kept for the positions holding at least `seuil` marbles; with FILTRE_DE, a
// filter of the positions reached with FILTRE_DE to SEUIL - 1 marbles that
// can be brought down to the class bound of the start.
//   trelmo-tables PLATEAU SEUIL FICHIER [FILTRE_DE]
#include "solver/regles.h"
#include "solver/tables.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace trelmo::solveur;
using namespace trelmo::solveur::interne;

namespace {

// Open addressing on canonical positions; the count sits in the top bits.
class Memo {
public:
    explicit Memo(int bits) : v_(std::size_t{1} << bits, 0), masque_(v_.size() - 1), decalage_(64 - bits) {}
    std::uint64_t& place(Masque cle)
    {
        std::size_t i = static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ull) >> decalage_);
        for (;; i = (i + 1) & masque_)
            if (v_[i] == 0 || (v_[i] & kTous) == cle) return v_[i];
    }
    const std::vector<std::uint64_t>& tout() const { return v_; }

private:
    std::vector<std::uint64_t> v_;
    std::size_t masque_;
    int decalage_;
};

struct Calcul {
    Regles regles;
    Memo memo;
    int seuil = 0;
    int complet = 0;
    std::size_t nb = 0;

    // The fewest marbles that can be left from b (n marbles), memoised.
    int minimum(Masque b, int n)
    {
        const Masque cle = canonique(b, regles.syms);
        if (const std::uint64_t e = memo.place(cle)) return static_cast<int>(e >> kTrous);
        // Every position of the table and filter range is expanded in full,
        // so that they hold all of them; below it, a child that meets the
        // class bound settles the position.
        const int plancher = n >= complet ? 0 : minorant_classe(regles, b);
        int m = n;
        for (const Triplet& t : regles.sauts)
            if ((b & t.sm) == t.sm && !(b & t.v)) {
                m = std::min(m, minimum(b ^ t.tout, n - 1));
                if (m <= plancher) break;
            }
        memo.place(cle) = cle | static_cast<std::uint64_t>(m) << kTrous;
        ++nb;
        return m;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: trelmo-tables PLATEAU SEUIL FICHIER [FILTRE_DE]\n");
        return 2;
    }
    const int plateau = std::atoi(argv[1]), seuil = std::atoi(argv[2]);
    const int filtre_de = argc == 5 ? std::atoi(argv[4]) : 0;
    if (plateau < 1 || plateau > 3 || seuil < 2 || seuil > 48 || filtre_de < 0 || filtre_de >= seuil) {
        std::fprintf(stderr, "trelmo-tables: bad board or threshold\n");
        return 2;
    }
    const auto debut = std::chrono::steady_clock::now();
    Position p;
    p.trous = trous_du_plateau(plateau);
    p.billes = p.trous & ~bit(25);
    Calcul c{regles_de(p), Memo(plateau == 1 ? 25 : 28), seuil, filtre_de > 0 ? filtre_de : seuil};
    if (c.regles.syms.size() != 8) {
        std::fprintf(stderr, "trelmo-tables: the board is not symmetric\n");
        return 1;
    }
    const int meilleur = c.minimum(p.billes, compter(p.billes));

    std::vector<std::uint64_t> entrees;
    std::vector<Masque> filtrees;
    const int borne = minorant_classe(c.regles, p.billes);
    for (std::uint64_t e : c.memo.tout()) {
        const Masque cle = e & kTous;
        const int n = compter(cle), v = static_cast<int>(e >> kTrous);
        if (e == 0) continue;
        if (n >= seuil) entrees.push_back(cle << 8 | static_cast<std::uint64_t>(v));
        else if (filtre_de > 0 && n >= filtre_de && v == borne) filtrees.push_back(cle);
    }
    std::sort(entrees.begin(), entrees.end());
    // About 12 bits a position: some 2 % of the other positions pass.
    std::vector<std::uint64_t> filtre;
    if (filtre_de > 0) {
        std::size_t mots = 1;
        while (mots * 64 < filtrees.size() * 12) mots *= 2;
        filtre.assign(mots, 0);
        for (const Masque m : filtrees) filtre_ajouter(filtre, m);
    }
    if (!ecrire_table(argv[3], plateau, seuil, entrees, filtre_de, borne, filtre)) {
        std::fprintf(stderr, "trelmo-tables: cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("board %d: %zu positions, best %d from the start, %zu kept (%d+ marbles), %zu in the filter, %.1f s\n",
                plateau, c.nb, meilleur, entrees.size(), seuil, filtrees.size(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    return 0;
}
