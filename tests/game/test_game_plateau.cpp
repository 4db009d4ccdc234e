// Starting layouts, hole numbering, mobility and the incremental board display.
#include "banc_jeu.h"

#include <QTest>

#include <random>

#include <sstream>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

using Table = std::array<const char*, 9>;

const Table kAnglais = {
    "xxxx xxxx xxxx 2222 2222 2222 xxxx xxxx xxxx",
    "xxxx xxxx xxxx x00x xx0x xx00 xxxx xxxx xxxx",
    "xxxx xxxx 2222 x00x xx0x xx00 2222 xxxx xxxx",
    "2222 x00x x00x 0000 0000 0000 xx00 xx00 2222",
    "2222 x0xx x0xx 0000 2222 0000 xxx0 xxx0 2222",
    "2222 00xx 00xx 0000 0000 0000 0xx0 0xx0 2222",
    "xxxx xxxx 2222 00xx 0xxx 0xx0 2222 xxxx xxxx",
    "xxxx xxxx xxxx 00xx 0xxx 0xx0 xxxx xxxx xxxx",
    "xxxx xxxx xxxx 2222 2222 2222 xxxx xxxx xxxx",
};
const Table kFrancais = {
    "xxxx xxxx xxxx 2222 2222 2222 xxxx xxxx xxxx",
    "xxxx xxxx xxxx x00x xx0x xx00 xxxx xxxx xxxx",
    "xxxx xxxx 0000 x00x x000 xx00 0000 xxxx xxxx",
    "2222 x00x x00x 0000 0000 0000 xx00 xx00 2222",
    "2222 x0xx 000x 0000 2222 0000 0x00 xxx0 2222",
    "2222 00xx 00xx 0000 0000 0000 0xx0 0xx0 2222",
    "xxxx xxxx 0000 00xx 00x0 0xx0 0000 xxxx xxxx",
    "xxxx xxxx xxxx 00xx 0xxx 0xx0 xxxx xxxx xxxx",
    "xxxx xxxx xxxx 2222 2222 2222 xxxx xxxx xxxx",
};
const Table kMission = {
    "xxxx xxxx xxxx x00x xx0x xx00 xxxx xxxx xxxx",
    "xxxx xxxx xxxx x00x xx0x xx00 xxxx xxxx xxxx",
    "xxxx xxxx 2222 000x 0x0x 0x00 2222 xxxx xxxx",
    "x00x x00x x000 0000 0000 0000 x000 xx00 xx00",
    "x0xx x0xx x0x0 0000 2222 0000 x0x0 xxx0 xxx0",
    "00xx 00xx 00x0 0000 0000 0000 00x0 0xx0 0xx0",
    "xxxx xxxx 2222 000x 0x0x 0x00 2222 xxxx xxxx",
    "xxxx xxxx xxxx 00xx 0xxx 0xx0 xxxx xxxx xxxx",
    "xxxx xxxx xxxx 00xx 0xxx 0xx0 xxxx xxxx xxxx",
};

void comparer(const Grille& g, const Table& t, const char* nom)
{
    for (int r = 1; r <= 9; ++r) {
        std::istringstream ligne(t[size_t(r - 1)]);
        for (int c = 1; c <= 9; ++c) {
            std::string attendu;
            ligne >> attendu;
            if (cellule(g, c, r) != attendu)
                QFAIL(qPrintable(QStringLiteral("%1 (%2,%3): %4 instead of %5").arg(nom).arg(c).arg(r)
                                     .arg(QString::fromStdString(cellule(g, c, r)), QString::fromStdString(attendu))));
        }
    }
}

void vider(Grille& g, int c, int r)
{
    for (int d = 1; d <= 4; ++d)
        if (g.at(c, r, d) >= 0) g.at(c, r, d) = 2;
}

} // namespace

class TestPlateau : public QObject {
    Q_OBJECT
private slots:
    void numerotation()
    {
        int n = 0;
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                QCOMPARE(numero_trou(c, r), trou(c, r));
                if (trou(c, r)) {
                    ++n;
                    QCOMPARE(case_du_trou(n).col, c);
                    QCOMPARE(case_du_trou(n).lig, r);
                }
            }
        QCOMPARE(n, 49);
        for (int x : {0, 50, -1, 1000}) {
            QCOMPARE(case_du_trou(x).col, 0);
            QCOMPARE(case_du_trou(x).lig, 0);
        }
        QCOMPARE(numero_trou(0, 5), 0);
        QCOMPARE(numero_trou(5, 10), 0);
        QCOMPARE(numero_trou(2, 2), 0);
    }

    void grilles_de_depart()
    {
        Banc b;
        b.jeu.reset_plateau(1);
        comparer(b.jeu.grille, kAnglais, "English");
        b.jeu.reset_plateau(2);
        comparer(b.jeu.grille, kFrancais, "French");
        b.jeu.reset_plateau(3);
        comparer(b.jeu.grille, kMission, "Mission");
        // Odd values: below 3 empties the arm tips, anything but 2 the corners.
        b.jeu.reset_plateau(0);
        comparer(b.jeu.grille, kAnglais, "variant 0");
        b.jeu.reset_plateau(-7);
        comparer(b.jeu.grille, kAnglais, "variant -7");
        b.jeu.reset_plateau(4);
        comparer(b.jeu.grille, kMission, "variant 4");

        // reset_plateau() reads the settings record; it draws nothing and
        // touches neither counter.
        b.partenaires.niveau_enregistre = 2;
        b.jeu.nb_repos = 17;
        b.jeu.nb_mobiles = 5;
        b.jeu.reset_plateau();
        comparer(b.jeu.grille, kFrancais, "French by the record");
        QCOMPARE(b.jeu.nb_repos, 17);
        QCOMPARE(b.jeu.nb_mobiles, 5);
        QCOMPARE(b.sprites.dessins_trous + b.sprites.dessins_repos, 0);
    }

    // A game saved on one board and restored while the settings name another:
    // the board is told from the grid, exactly its holes take the pointer, and
    // play goes on to an end where no marble can move.
    void restauration_croisee()
    {
        std::mt19937 rng(7);
        for (int32_t de = 1; de <= 3; ++de)
            for (int32_t vers = 1; vers <= 3; ++vers) {
                if (de == vers)
                    continue;
                Banc a;
                a.commencer(de);
                for (int k = 0; k < 5; ++k) {
                    const auto s = sauts_legaux(a.jeu.grille);
                    const auto [d, v] = s[rng() % s.size()];
                    a.jouer(d, v);
                }
                QCOMPARE(Jeu::niveau_de_grille(a.jeu.grille), de);
                Banc b;
                b.commencer(vers);
                b.jeu.grille = a.jeu.grille;
                b.jeu.nb_repos = a.jeu.nb_repos;
                QCOMPARE(b.jeu.adopter_plateau_de_grille(), de);
                b.jeu.annuler_prise();
                b.jeu.place_bille_plateau();
                for (int n = 1; n <= kNbTrous; ++n)
                    QCOMPARE(b.sprites.actif[size_t(n)], a.sprites.actif[size_t(n)]);
                // Every landing the pointer can reach is a legal jump, and the
                // game ends exactly when no legal jump is left.
                for (auto s = sauts_legaux(b.jeu.grille); !s.empty(); s = sauts_legaux(b.jeu.grille)) {
                    QVERIFY(b.jeu.nb_mobiles > 0);
                    const auto [d, v] = s[rng() % s.size()];
                    QVERIFY(b.sprites.actif[size_t(d)] && b.sprites.actif[size_t(v)]);
                    b.jouer(d, v);
                }
                QCOMPARE(b.jeu.nb_mobiles, 0);
            }
        // A grid that matches no board leaves the sprites as they were.
        Banc c;
        c.commencer(1);
        c.jeu.grille.at(4, 2, HAUT) = 0;
        QCOMPARE(c.jeu.adopter_plateau_de_grille(), 0);
        QVERIFY(!c.sprites.actif[1]);
    }

    void sprites_actifs()
    {
        const std::vector<int> bouts = {1, 2, 3, 12, 21, 30, 20, 29, 38, 47, 48, 49};
        const std::vector<int> coins = {7, 11, 39, 43};
        Banc b;
        for (int niveau : {1, 2, 3, 1}) {
            b.jeu.reset_plateau(niveau);
            for (int n = 1; n <= 49; ++n) {
                const bool bout = std::find(bouts.begin(), bouts.end(), n) != bouts.end();
                const bool coin = std::find(coins.begin(), coins.end(), n) != coins.end();
                const bool attendu = bout ? niveau == 3 : coin ? niveau == 2 : true;
                QVERIFY2(b.sprites.actif[size_t(n)] == attendu, qPrintable(QString("variant %1 hole %2").arg(niveau).arg(n)));
            }
        }
    }

    void mobilite()
    {
        Banc b;
        for (int niveau : {1, 2, 3}) {
            b.jeu.reset_plateau(niveau);
            b.jeu.place_bille_plateau();
            QCOMPARE(b.jeu.nb_mobiles, 4);
            QCOMPARE(b.jeu.grille.at(5, 3, BAS), 1);
            QCOMPARE(b.jeu.grille.at(3, 5, DROITE), 1);
            QCOMPARE(b.jeu.grille.at(7, 5, GAUCHE), 1);
            QCOMPARE(b.jeu.grille.at(5, 7, HAUT), 1);
            int uns = 0;
            for (int32_t v : b.jeu.grille.v) uns += v == 1;
            QCOMPARE(uns, 4);

            // Idempotent, and every -1 and every 2 stays as it was.
            const Grille avant = b.jeu.grille;
            b.jeu.etat_plateau();
            QVERIFY(b.jeu.grille == avant);
            Grille brute;
            b.jeu.reset_plateau(niveau);
            brute = b.jeu.grille;
            b.jeu.etat_plateau();
            for (size_t i = 0; i < brute.v.size(); ++i)
                if (brute.v[i] == -1 || brute.v[i] == 2) QCOMPARE(b.jeu.grille.v[i], brute.v[i]);
        }

        // French corner: once (3,3) is empty, (5,3) can jump left over (4,3).
        b.jeu.reset_plateau(2);
        vider(b.jeu.grille, 3, 3);
        b.jeu.etat_plateau();
        QCOMPARE(b.jeu.grille.at(5, 3, GAUCHE), 1);
        // The corner's outward directions point at off-board cells: 0, never 1.
        b.jeu.reset_plateau(2);
        b.jeu.etat_plateau();
        QCOMPARE(b.jeu.grille.at(3, 3, HAUT), 0);
        QCOMPARE(b.jeu.grille.at(3, 3, GAUCHE), 0);
        QCOMPARE(b.jeu.grille.at(7, 7, BAS), 0);
        QCOMPARE(b.jeu.grille.at(7, 7, DROITE), 0);

        // Never a 1 toward a hole not in play: in the English board (5,3) has
        // a marble beside it and an empty arm tip or corner behind, yet stays barred.
        b.jeu.reset_plateau(1);
        b.jeu.etat_plateau();
        QCOMPARE(b.jeu.grille.at(5, 3, HAUT), -1);
        QCOMPARE(b.jeu.grille.at(5, 3, GAUCHE), -1);
        QCOMPARE(b.jeu.grille.at(3, 4, GAUCHE), -1);

        // A single marble, or marbles with no empty hole behind, cannot move.
        b.jeu.reset_plateau(3);
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (trou(c, r) && !(c == 2 && r == 5)) vider(b.jeu.grille, c, r);
        b.jeu.place_bille_plateau();
        QCOMPARE(b.jeu.nb_mobiles, 0);
        QCOMPARE(billes_sur_plateau(b.jeu.grille), 1);
        b.jeu.reset_plateau(3);
        vider(b.jeu.grille, 5, 5);
        b.jeu.grille.at(5, 5, 1) = 0; // still empty: one value 2 is enough
        b.jeu.place_bille_plateau();
        QCOMPARE(b.jeu.nb_mobiles, 4);
    }

    void affichage_incremental()
    {
        Banc b;
        b.commencer(1);
        // The start draws exactly the 32 marbles and 12 tray marbles.
        QCOMPARE(b.sprites.billes_montrees(), 32);
        QVERIFY(!b.sprites.montre[25]);
        QCOMPARE(b.sprites.repos_montres(), 12);

        b.sprites.dessins_trous = b.sprites.dessins_repos = 0;
        b.jouer(9, 25);   // (5,3) over (5,4) into the centre
        QCOMPARE(b.sprites.dessins_trous, 3);
        QCOMPARE(b.sprites.dessins_repos, 1);
        QVERIFY(!b.sprites.montre[9] && !b.sprites.montre[16] && b.sprites.montre[25]);
        QVERIFY(b.sprites.montre_repos[13] && !b.sprites.montre_repos[14]);

        b.sprites.dessins_trous = b.sprites.dessins_repos = 0;
        b.jeu.place_bille_plateau();
        b.jeu.jeux_repos(b.jeu.nb_repos);
        QCOMPARE(b.sprites.dessins_trous + b.sprites.dessins_repos, 0);

        // Stale: every hole redrawn (marbles and empty ones, those not in play
        // included), every tray sprite redrawn.
        b.jeu.marquer_tout_perime();
        for (size_t i = 1; i < b.jeu.marques.size(); ++i) QCOMPARE(b.jeu.marques[i], -1);
        b.jeu.place_bille_plateau();
        b.jeu.jeux_repos(b.jeu.nb_repos);
        QCOMPARE(b.sprites.dessins_trous, 49);
        QCOMPARE(b.sprites.dessins_repos, 44);
        QCOMPARE(b.sprites.billes_montrees(), 31);
        QCOMPARE(b.sprites.repos_montres(), 13);

        // Tray bounds.
        b.jeu.jeux_repos(44);
        QCOMPARE(b.sprites.repos_montres(), 44);
        b.jeu.jeux_repos(0);
        QCOMPARE(b.sprites.repos_montres(), 0);
        b.jeu.jeux_repos(1000);
        QCOMPARE(b.sprites.repos_montres(), 44);
        b.jeu.jeux_repos(-5);
        QCOMPARE(b.sprites.repos_montres(), 0);

        // Board clear: nothing shown, though the grid holds marbles; only
        // sprites showing something are touched.
        b.sprites.dessins_trous = 0;
        b.jeu.retire_bille_plateau();
        QCOMPARE(b.sprites.billes_montrees(), 0);
        QCOMPARE(b.sprites.dessins_trous, 31);
        QCOMPARE(billes_sur_plateau(b.jeu.grille), 31);
        b.jeu.retire_bille_plateau();
        QCOMPARE(b.sprites.dessins_trous, 31);
        QCOMPARE(b.sprites.hors_limites, 0);
    }
};

QTEST_APPLESS_MAIN(TestPlateau)
#include "test_game_plateau.moc"
