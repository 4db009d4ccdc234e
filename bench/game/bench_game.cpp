// Prints, in CPU time, the cost of one jump (two hovers, two clicks, the board refresh, the
// tray and the label) and how many random complete games run per second.
#include "game/jeu.h"

#include <ctime>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

using namespace trelmo;

namespace {

struct SpritesNuls : ISprites {
    void trou_image(int, bool) override {}
    void repos_image(int, bool) override {}
    void trou_curseur(int, int) override {}
    void trou_actif(int, bool) override {}
};
struct AffichageNul : IAffichage {
    void billes_repos(const std::string&) override {}
    void chrono(const std::string&) override {}
    void etat_jeux(const std::string&, const std::string&) override {}
    void resultat(bool, const std::string&) override {}
};
struct MinuterieNulle : IMinuterie {
    void timer1(bool) override {}
};
struct PartenairesNuls : IPartenaires {
    int32_t n = 3;
    void choisir_niveau() override {}
    void recharger_config() override {}
    void enregistrer_config() override {}
    int32_t niveau() const override { return n; }
    void insere_score(int32_t, const std::string&) override {}
};

struct Banc {
    SpritesNuls s;
    AffichageNul a;
    MinuterieNulle m;
    PartenairesNuls p;
    Jeu jeu{s, a, m, p};
};

// The legal jumps of the current board as (start hole, landing hole).
void sauts(const Grille& g, std::vector<std::pair<int, int>>& out)
{
    out.clear();
    for (int n = 1; n <= kNbTrous; ++n) {
        const Case k = case_du_trou(n);
        if (!g.mobile(k.col, k.lig))
            continue;
        for (int d = 1; d <= kDirections; ++d)
            if (g.at(k.col, k.lig, d) == 1) {
                const Pas p = pas_direction(d);
                out.emplace_back(n, numero_trou(k.col + 2 * p.dc, k.lig + 2 * p.dr));
            }
    }
}

void jouer(Jeu& jeu, int de, int vers)
{
    jeu.pmove(de);
    jeu.deplacement();
    jeu.pmove(vers);
    jeu.deplacement();
}

// Process CPU time: the figures stay meaningful on a machine busy with other work.
struct Horloge {
    using time_point = double;
    static double now()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    }
};
double secondes(double t0) { return Horloge::now() - t0; }

} // namespace

int main()
{
    std::mt19937 rng(12345);
    std::vector<std::pair<int, int>> coups;

    // One recorded "Mission Impossible" game, replayed from its starting state.
    Banc b;
    b.jeu.demarrage();
    b.jeu.etat_jeuxClick();
    const Grille grille0 = b.jeu.grille;
    const auto marques0 = b.jeu.marques;
    std::vector<std::pair<int, int>> partie;
    for (sauts(b.jeu.grille, coups); !coups.empty(); sauts(b.jeu.grille, coups)) {
        const auto c = coups[rng() % coups.size()];
        partie.push_back(c);
        jouer(b.jeu, c.first, c.second);
    }
    auto remettre = [&] {
        b.jeu.grille = grille0;
        b.jeu.marques = marques0;
        b.jeu.nb_repos = 0;
        b.jeu.fin_traitee = false;
        b.jeu.place_bille_plateau();
    };

    const int repetitions = 100000;
    auto t0 = Horloge::now();
    for (int i = 0; i < repetitions; ++i)
        remettre();
    const double t_remise = secondes(t0);
    t0 = Horloge::now();
    long total = 0;
    for (int i = 0; i < repetitions; ++i) {
        remettre();
        for (auto [de, vers] : partie)
            jouer(b.jeu, de, vers);
        total += b.jeu.nb_repos;
    }
    const double t_jeu = secondes(t0) - t_remise;
    const double ns = t_jeu * 1e9 / (double(repetitions) * double(partie.size()));
    std::printf("jump (2 hovers, 2 clicks, board refresh, tray, label): %.1f ns over %zu jumps x %d (check %ld)\n",
                ns, partie.size(), repetitions, total);

    t0 = Horloge::now();
    for (int i = 0; i < repetitions; ++i)
        b.jeu.place_bille_plateau();
    std::printf("board refresh alone (mobility update + count, nothing to draw): %.1f ns\n",
                secondes(t0) * 1e9 / repetitions);

    // Random complete games, every variant, through start, jumps, end and stop.
    const double duree = 1.0;
    long parties = 0, sauts_joues = 0;
    if (!b.jeu.pas_de_partie)
        b.jeu.etat_jeuxClick();                // stop the replayed game
    t0 = Horloge::now();
    while (secondes(t0) < duree) {
        for (int32_t niveau = 1; niveau <= 3; ++niveau) {
            b.p.n = niveau;
            b.jeu.etat_jeuxClick();            // start
            for (sauts(b.jeu.grille, coups); !coups.empty(); sauts(b.jeu.grille, coups)) {
                const auto c = coups[rng() % coups.size()];
                jouer(b.jeu, c.first, c.second);
                ++sauts_joues;
            }
            b.jeu.etat_jeuxClick();            // stop
            ++parties;
        }
    }
    const double t = secondes(t0);
    std::printf("random complete games: %.0f per CPU second (%.1f jumps per game, all three variants)\n",
                double(parties) / t, double(sauts_joues) / double(parties));
    return 0;
}
