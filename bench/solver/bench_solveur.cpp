// Prints how fast the solver answers on positions met in play: for each
// board, positions reached by random jumps from the standard start (fixed
// seed, spread over the whole game), and good-play positions: those along
// the solver's optimal lines from the standard start (on the French board
// also from three one-hole starts that can end with one marble), each with
// its best mistake (the jump from it whose result is worst). Each is solved
// on one core with the default budget, as the first search of the process
// (what earlier searches proved is forgotten); per board and per band of
// marble counts: p50, p95 and max time, the proven share, and the positions
// visited (which, unlike times, do not depend on the machine's load). Then
// hints after every jump of a few random games, the first answer of a fresh
// process (table loading included), the resident memory and the machine's
// load (the times mean little on a busy machine).
//   bench_solveur [--positions N] [--tables DIR]
#include "solver/solveur.h"
#include "solver/transpo.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace trelmo::solveur;

namespace {

Position depart(int niveau)
{
    Position p;
    p.trous = trous_du_plateau(niveau);
    p.billes = p.trous & ~bit(25);
    return p;
}

// Position i of n: i * (marbles - 1) / n random jumps from the start.
std::vector<Position> positions(int niveau, int n)
{
    std::mt19937 rng(20240601u + static_cast<unsigned>(niveau));
    const Position d = depart(niveau);
    const int coups = std::popcount(d.billes) - 1;
    std::vector<Position> r;
    for (int i = 0; i < n; ++i) {
        Position p = d;
        for (int k = 0; k < i * coups / n; ++k) {
            const auto s = sauts_possibles(p);
            if (s.empty()) break;
            p = jouer(p, s[rng() % s.size()]);
        }
        r.push_back(p);
    }
    return r;
}

double centile(std::vector<double> v, double q)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

long memoire_ko(const char* champ)
{
    std::ifstream f("/proc/self/status");
    std::string l;
    while (std::getline(f, l))
        if (l.rfind(champ, 0) == 0) return std::atol(l.c_str() + std::strlen(champ));
    return -1;
}

const char* const kNoms[] = {"", "English", "French", "45-hole"};

std::string charge()
{
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return a + " " + b + " " + c;
}

// The positions along the solver's optimal line from p, and after each the
// position its best mistake leads to: of the jumps that leave more marbles
// than the line, the one that leaves the most (as the solver answers within
// 300 ms).
void bon_jeu_depuis(Position p, std::vector<Position>& r)
{
    const Reponse ligne = resoudre(p, std::chrono::seconds(20));
    for (const Saut& s : ligne.ligne) {
        r.push_back(p);
        int pire = 0;
        Position erreur{};
        for (const Saut& autre : sauts_possibles(p)) {
            const Position q = jouer(p, autre);
            const Reponse a = resoudre(q, std::chrono::milliseconds(300));
            if (a.meilleur > ligne.meilleur && a.meilleur > pire) {
                pire = a.meilleur;
                erreur = q;
            }
        }
        if (pire > 0 && !sauts_possibles(erreur).empty()) r.push_back(erreur);
        p = jouer(p, s);
    }
}

// Good play from the standard start; on the French board, whose standard
// start cannot end with one marble, also from the first three one-hole
// starts (hole by hole) that can.
std::vector<Position> bon_jeu(int niveau)
{
    std::vector<Position> r;
    bon_jeu_depuis(depart(niveau), r);
    for (int h = 1, n = 0; niveau == 2 && h <= 49 && n < 3; ++h) {
        Position p;
        p.trous = trous_du_plateau(niveau);
        if (!(p.trous & bit(h))) continue;
        p.billes = p.trous & ~bit(h);
        if (resoudre(p, std::chrono::seconds(20)).meilleur != 1) continue;
        bon_jeu_depuis(p, r);
        ++n;
    }
    return r;
}

struct Mesure {
    int billes = 0;
    double ms = 0;
    double positions = 0;
    bool prouve = false;
};

void afficher(const char* plateau, const char* jeu, const char* bande, const std::vector<Mesure>& m)
{
    if (m.empty()) return;
    std::vector<double> ms, pos;
    int prouves = 0;
    for (const Mesure& x : m) {
        ms.push_back(x.ms);
        pos.push_back(x.positions);
        prouves += x.prouve;
    }
    std::printf("%-8s %-6s %-6s n %3zu  p50 %7.1f ms  p95 %7.1f ms  max %7.1f ms  proven %3d/%-3zu  positions p50 %8.0f"
                "  p95 %8.0f  max %8.0f\n",
                plateau, jeu, bande, m.size(), centile(ms, 0.5), centile(ms, 0.95), centile(ms, 1.0), prouves, m.size(),
                centile(pos, 0.5), centile(pos, 0.95), centile(pos, 1.0));
}

// Solves each position as the first search of the process, and prints the
// figures of the whole set and of each band of marble counts.
void mesurer(int niveau, const char* jeu, const std::vector<Position>& ps)
{
    std::vector<Mesure> tout;
    for (const Position& p : ps) {
        trelmo::solveur::interne::partagee::oublier();
        const Reponse r = resoudre(p);
        tout.push_back(Mesure{std::popcount(p.billes), r.ms, static_cast<double>(r.positions), r.prouve});
        if (r.ms >= 100 || !r.prouve)
            std::printf("%-8s %-6s %s: %d marbles (0x%llx), best %d, %.1f ms, %llu positions\n", kNoms[niveau], jeu,
                        r.prouve ? "slow" : "unproven", std::popcount(p.billes),
                        static_cast<unsigned long long>(p.billes), r.meilleur, r.ms,
                        static_cast<unsigned long long>(r.positions));
    }
    afficher(kNoms[niveau], jeu, "all", tout);
    static const struct {
        const char* nom;
        int de, a;
    } kBandes[] = {{"30+", 30, 49}, {"20-29", 20, 29}, {"10-19", 10, 19}, {"2-9", 2, 9}};
    for (const auto& b : kBandes) {
        std::vector<Mesure> m;
        for (const Mesure& x : tout)
            if (x.billes >= b.de && x.billes <= b.a) m.push_back(x);
        afficher(kNoms[niveau], jeu, b.nom, m);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int n = 200;
    std::string tables = TRELMO_RUN_DIR;
    int froid = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--positions")) n = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--tables")) tables = argv[i + 1];
        else if (!std::strcmp(argv[i], "--froid")) froid = std::atoi(argv[i + 1]);
    }

    if (froid != 0) {
        // A fresh process: tables loaded by the first request.
        const auto t0 = std::chrono::steady_clock::now();
        definir_repertoire_tables(tables);
        const Position p = positions(froid, 8)[2];
        const Reponse r = resoudre(p);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        std::printf("%-8s first answer of a fresh process: %6.1f ms (%d marbles, best %d, %s)\n", kNoms[froid], ms,
                    std::popcount(p.billes), r.meilleur, r.prouve ? "proven" : "unproven");
        return 0;
    }

    std::printf("solver benchmark: %d positions a board, tables from %s\n", n, tables.c_str());
    std::printf("load average at the start: %s (%ld cores)\n", charge().c_str(), ::sysconf(_SC_NPROCESSORS_ONLN));
    for (int niveau = 1; niveau <= 3; ++niveau) {
        const std::string commande = "\"/proc/" + std::to_string(::getpid()) + "/exe\" --froid " + std::to_string(niveau)
            + " --tables \"" + tables + "\"";
        std::fflush(stdout);
        if (std::system(commande.c_str()) != 0) std::printf("%-8s cold start run failed\n", kNoms[niveau]);
    }
    definir_repertoire_tables(tables);
    precharger();
    for (int niveau = 1; niveau <= 3; ++niveau) {
        mesurer(niveau, "random", positions(niveau, n));
        if (n >= 40) mesurer(niveau, "good", bon_jeu(niveau));   // not in the short CTest run
    }
    // As in play: a hint after every jump of a game, the jumps random; the
    // searches keep what they proved from one hint to the next.
    // (One game a board for every 40 positions: none in the short CTest run.)
    for (int niveau = 1; niveau <= 3 && n >= 40; ++niveau) {
        std::mt19937 rng(777u + static_cast<unsigned>(niveau));
        std::vector<double> ms;
        int prouves = 0;
        for (int partie = 0; partie < n / 40; ++partie)
            for (Position p = depart(niveau);;) {
                const Reponse r = resoudre(p);
                ms.push_back(r.ms);
                prouves += r.prouve;
                const auto s = sauts_possibles(p);
                if (s.empty()) break;
                p = jouer(p, s[rng() % s.size()]);
            }
        std::printf("%-8s in play, %zu hints: p50 %7.1f ms  p95 %7.1f ms  max %7.1f ms  proven %d\n", kNoms[niveau],
                    ms.size(), centile(ms, 0.5), centile(ms, 0.95), centile(ms, 1.0), prouves);
    }
    const Reponse r = resoudre(depart(3));
    std::printf("45-hole  standard start: best %d %s in %.1f ms\n", r.meilleur, r.prouve ? "proven" : "unproven", r.ms);
    std::printf("resident memory: %ld kB now, %ld kB at most\n", memoire_ko("VmRSS:"), memoire_ko("VmHWM:"));
    std::printf("load average at the end: %s\n", charge().c_str());
    return 0;
}
