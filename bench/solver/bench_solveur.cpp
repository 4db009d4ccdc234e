// Prints how fast the solver answers on positions met in play: for each
// board, positions reached by random jumps from the standard start (fixed
// seed, spread over the whole game), solved one after the other on one core
// with the default budget; hints after every jump of a few random games; the
// first answer of a fresh process (table
// loading included), the resident memory and the machine's load (the
// figures mean little on a busy machine).
//   bench_solveur [--positions N] [--tables DIR]
#include "solver/solveur.h"

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
        std::vector<double> ms, ms19;
        int prouves = 0, sous50 = 0, sous100 = 0, prouves19 = 0, nb19 = 0, hors_budget = 0;
        for (const Position& p : positions(niveau, n)) {
            const Reponse r = resoudre(p);
            ms.push_back(r.ms);
            prouves += r.prouve;
            if (niveau < 3 && r.ms >= 100)
                std::printf("%-8s slow: %d marbles (0x%llx), best %d, %.1f ms\n", kNoms[niveau], std::popcount(p.billes),
                            static_cast<unsigned long long>(p.billes), r.meilleur, r.ms);
            sous50 += r.ms < 50;
            sous100 += r.ms < 100;
            hors_budget += r.ms > 1000;
            if (std::popcount(p.billes) <= 19) {
                ++nb19;
                prouves19 += r.prouve;
                ms19.push_back(r.ms);
            }
        }
        std::printf("%-8s p50 %7.1f ms  p95 %7.1f ms  max %7.1f ms  proven %d/%d  <50 ms %d  <100 ms %d  over 1 s %d\n",
                    kNoms[niveau], centile(ms, 0.5), centile(ms, 0.95), centile(ms, 1.0), prouves, n, sous50, sous100,
                    hors_budget);
        if (niveau == 3)
            std::printf("%-8s at 19 marbles or fewer: proven %d/%d, max %.1f ms\n", kNoms[niveau], prouves19, nb19,
                        centile(ms19, 1.0));
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
