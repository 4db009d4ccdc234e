// Builds the solver's tables: for a standard board, every position reached
// from its standard start, with the fewest marbles that can be left from it,
// kept for the positions holding at least `seuil` marbles; with FILTRE_DE, a
// filter of the positions reached with FILTRE_DE to SEUIL - 1 marbles that
// can be brought down to the class bound of the start.
//   trelmo-tables PLATEAU SEUIL FICHIER [FILTRE_DE]
#include "solver/regles.h"
#include "solver/tables.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

using namespace trelmo::solveur;
using namespace trelmo::solveur::interne;

namespace {

// Open addressing on canonical positions, shared by the threads; the count
// sits in the top bits. A slot is claimed by compare-and-swap: two threads
// that meet on a position both find it, and at worst both compute it.
class Memo {
public:
    explicit Memo(int bits) : v_(std::size_t{1} << bits), masque_(v_.size() - 1), decalage_(64 - bits) {}
    // The count stored for `cle`, or -1.
    int lire(Masque cle) const
    {
        for (std::size_t i = debut(cle);; i = (i + 1) & masque_) {
            const std::uint64_t e = v_[i].load(std::memory_order_acquire);
            if (e == 0) return -1;
            if ((e & kTous) == cle) return static_cast<int>(e >> kTrous);
        }
    }
    // Stores the count of `cle`; true when no thread had stored it yet.
    bool ecrire(Masque cle, int m)
    {
        const std::uint64_t e = cle | static_cast<std::uint64_t>(m) << kTrous;
        for (std::size_t i = debut(cle);; i = (i + 1) & masque_) {
            std::uint64_t x = 0;
            if (v_[i].compare_exchange_strong(x, e, std::memory_order_acq_rel)) return true;
            if ((x & kTous) == cle) return false;
        }
    }
    template <class F>
    void pour_chaque(F&& f) const
    {
        for (const auto& e : v_)
            if (const std::uint64_t x = e.load(std::memory_order_relaxed)) f(x);
    }

private:
    std::size_t debut(Masque cle) const { return static_cast<std::size_t>((cle * 0x9E3779B97F4A7C15ull) >> decalage_); }
    std::vector<std::atomic<std::uint64_t>> v_;
    std::size_t masque_;
    int decalage_;
};

struct Calcul {
    Regles regles;
    Memo memo;
    int seuil = 0;
    int complet = 0;
    std::atomic<std::size_t> nb{0};

    // The fewest marbles that can be left from b (n marbles), memoised.
    int minimum(Masque b, int n)
    {
        const Masque cle = canonique(b, regles.syms);
        if (const int e = memo.lire(cle); e >= 0) return e;
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
        if (memo.ecrire(cle, m)) ++nb;
        return m;
    }

    // The positions `coups` jumps after b, one of each symmetry class.
    std::vector<Masque> apres(Masque b, int coups) const
    {
        std::vector<Masque> niveau{b};
        for (int c = 0; c < coups; ++c) {
            std::vector<Masque> suivant;
            for (const Masque x : niveau)
                for (const Triplet& t : regles.sauts)
                    if ((x & t.sm) == t.sm && !(x & t.v)) suivant.push_back(canonique(x ^ t.tout, regles.syms));
            std::sort(suivant.begin(), suivant.end());
            suivant.erase(std::unique(suivant.begin(), suivant.end()), suivant.end());
            niveau = std::move(suivant);
        }
        return niveau;
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
    Calcul c{regles_de(p), Memo(plateau == 1 ? 25 : 28), seuil, filtre_de > 0 ? filtre_de : seuil, {}};
    if (c.regles.syms.size() != 8) {
        std::fprintf(stderr, "trelmo-tables: the board is not symmetric\n");
        return 1;
    }
    // The positions a few jumps into the game are shared out between the
    // threads; the start then finds every count below it in the memo.
    {
        const int n = compter(p.billes);
        const std::vector<Masque> travaux = c.apres(p.billes, 5);
        std::atomic<std::size_t> suivant{0};
        auto ouvrier = [&] {
            for (std::size_t i; (i = suivant++) < travaux.size();) c.minimum(travaux[i], n - 5);
        };
        std::vector<std::thread> fils;
        const unsigned nb_fils = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
        for (unsigned f = 1; f < nb_fils; ++f) fils.emplace_back(ouvrier);
        ouvrier();
        for (std::thread& f : fils) f.join();
    }
    const int meilleur = c.minimum(p.billes, compter(p.billes));

    std::vector<std::uint64_t> entrees;
    std::vector<Masque> filtrees;
    const int borne = minorant_classe(c.regles, p.billes);
    c.memo.pour_chaque([&](std::uint64_t e) {
        const Masque cle = e & kTous;
        const int n = compter(cle), v = static_cast<int>(e >> kTrous);
        if (n >= seuil) entrees.push_back(cle << 8 | static_cast<std::uint64_t>(v));
        else if (filtre_de > 0 && n >= filtre_de && v == borne) filtrees.push_back(cle);
    });
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
                plateau, c.nb.load(), meilleur, entrees.size(), seuil, filtrees.size(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    return 0;
}
