// The problem editor's verdict: the time from a change of the edited
// position to the solver's answer, as the editor gets it (the window's
// solver worker, its lines kept between changes). Held positions: 150 a
// board reached by random play from the English and French starts (fixed
// seed), each followed by an edit (one hole flipped). Prints p50, p95 and
// max per board, and how many verdicts were proven. Argument: the directory
// of the solver's tables (the build's run directory by default).
#include "game/geometrie.h"
#include "mainwindow/conseil.h"
#include "mainwindow/editeur_fenetre.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

using namespace trelmo;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The solver's tables, where the game finds them.
    solveur::definir_repertoire_tables(argc > 1 ? argv[1] : TRELMO_RUN_DIR);
    std::mt19937 alea(20261211);
    for (int niveau : {1, 2}) {
        TConseil conseil;
        std::vector<double> ms;
        int prouves = 0;
        auto verdict = [&](const PositionTexte& p) {
            const solveur::Position s = TEditeurFenetre::vers_solveur(p);
            if (solveur::sauts_possibles(s).empty())
                return;
            QEventLoop boucle;
            QObject::connect(&conseil, &TConseil::pret, &boucle, &QEventLoop::quit);
            const auto t0 = std::chrono::steady_clock::now();
            conseil.demander(s);
            if (!conseil.reponse())
                boucle.exec();
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            prouves += conseil.reponse() && conseil.reponse()->prouve;
        };
        for (int i = 0; i < 150; ++i) {
            PositionTexte p;
            p.niveau = niveau;
            p.billes = trous_du_niveau(niveau) & ~bit(25);
            solveur::Position s = TEditeurFenetre::vers_solveur(p);
            const int coups = std::uniform_int_distribution<int>(0, 25)(alea);
            for (int c = 0; c < coups; ++c) {
                const auto sauts = solveur::sauts_possibles(s);
                if (sauts.empty())
                    break;
                s = solveur::jouer(s, sauts[std::uniform_int_distribution<std::size_t>(0, sauts.size() - 1)(alea)]);
            }
            p.billes = s.billes;
            verdict(p);
            // The player's edit: one hole of the board flipped.
            std::vector<int> trous;
            for (int n = 1; n <= kNbTrous; ++n)
                if (trous_du_niveau(niveau) & bit(n))
                    trous.push_back(n);
            p.billes ^= bit(trous[std::uniform_int_distribution<std::size_t>(0, trous.size() - 1)(alea)]);
            verdict(p);
        }
        std::sort(ms.begin(), ms.end());
        auto q = [&](double f) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(f * ms.size()))]; };
        std::printf("%s: %zu verdicts, p50 %.1f ms, p95 %.1f ms, max %.1f ms, %d proven\n",
                    niveau == 1 ? "English" : "French", ms.size(), q(0.5), q(0.95), ms.back(), prouves);
    }
    return 0;
}
