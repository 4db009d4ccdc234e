// Random complete games through the public interface, and arbitrary grids
// such as a damaged saved game can hold.
#include "banc_jeu.h"

#include <QTest>

#include <limits>
#include <random>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

int nb_fins(const Journal& j)
{
    return int(std::count(j.begin(), j.end(), std::string("enregistrer_config")));
}

// What the sprites show matches the grid and the tray count.
bool affichage_fidele(const Banc& b)
{
    for (int n = 1; n <= 49; ++n) {
        const Case k = case_du_trou(n);
        if (b.sprites.montre[size_t(n)] != bille_brute(b.jeu.grille, k.col, k.lig)) return false;
    }
    return b.sprites.repos_montres() == b.jeu.nb_repos;
}

int32_t valeur_quelconque(std::mt19937& rng)
{
    switch (rng() % 4) {
    case 0:
    case 1: return int32_t(rng() % 4) - 1;                       // -1 .. 2
    case 2: return int32_t(rng() % 11) - 5;                      // -5 .. 5
    default: return int32_t(rng());                              // anything
    }
}

int quelconque(std::mt19937& rng)
{
    static const int extremes[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                                   -1, 0, 10, 11, 100};
    if (rng() % 8 == 0) return extremes[rng() % 7];
    return int(rng() % 60) - 5;                                  // -5 .. 54
}

} // namespace

class TestAleatoire : public QObject {
    Q_OBJECT
private slots:
    void parties_completes()
    {
        std::mt19937 rng(20240611);
        for (int niveau : {1, 2, 3}) {
            int gagnees = 0;
            for (int partie = 0; partie < 150; ++partie) {
                Banc b;
                b.commencer(niveau);
                int coups = 0;
                for (;;) {
                    const auto sauts = sauts_legaux(b.jeu.grille);
                    QCOMPARE(b.jeu.nb_mobiles, mobiles_brut(b.jeu.grille));
                    if (sauts.empty()) break;
                    QCOMPARE(nb_fins(b.journal), 0);

                    // Now and then a refused landing first: it changes nothing.
                    if (rng() % 4 == 0) {
                        const int de = sauts.front().first;
                        int vers;
                        do vers = 1 + int(rng() % 49);
                        while (!b.sprites.actif[size_t(vers)]
                               || std::find(sauts.begin(), sauts.end(), std::make_pair(de, vers)) != sauts.end());
                        const Grille avant = b.jeu.grille;
                        const int32_t repos = b.jeu.nb_repos;
                        b.jouer(de, vers);
                        QVERIFY(b.jeu.grille == avant);
                        QCOMPARE(b.jeu.nb_repos, repos);
                        QVERIFY(!b.jeu.bille_prise());
                    }

                    const auto [de, vers] = sauts[rng() % sauts.size()];
                    const Grille avant = b.jeu.grille;
                    const int32_t repos = b.jeu.nb_repos;
                    b.jeu.pmove(de);
                    QCOMPARE(b.sprites.curseur[size_t(de)], int(CUR_MAIN));
                    b.jeu.deplacement();
                    b.jeu.pmove(vers);
                    QCOMPARE(b.sprites.curseur[size_t(vers)], int(CUR_DEPLACE));
                    b.jeu.deplacement();
                    ++coups;

                    QCOMPARE(b.jeu.nb_repos, repos + 1);
                    QCOMPARE(b.jeu.nb_repos + billes_sur_plateau(b.jeu.grille), 44);
                    for (size_t i = 0; i < avant.v.size(); ++i)
                        if (avant.v[i] == -1) QCOMPARE(b.jeu.grille.v[i], -1);
                    QVERIFY(affichage_fidele(b));
                    QCOMPARE(b.affichage.billes, std::to_string(44 - b.jeu.nb_repos));
                    QVERIFY(!b.jeu.bille_prise());
                }
                QVERIFY(coups > 0);
                QCOMPARE(nb_fins(b.journal), 1);
                const bool gagne = b.jeu.nb_repos == 43;
                gagnees += gagne;
                QCOMPARE(b.affichage.resultat_texte, std::string(gagne ? "VOUS AVEZ GAGNE !!" : "PARTIE\rTERMINEE"));
                QCOMPARE(b.partenaires.scores.size(), size_t(1));
                QCOMPARE(b.partenaires.scores.front().first, 44 - b.jeu.nb_repos);
                for (int i = 0; i < 5; ++i) b.clic(1 + int(rng() % 49));
                QCOMPARE(nb_fins(b.journal), 1);
                QCOMPARE(b.sprites.hors_limites, 0);
            }
            qInfo("variant %d: %d of 150 random games won", niveau, gagnees);
        }
    }

    void grilles_quelconques()
    {
        std::mt19937 rng(77);
        int sauts = 0;
        for (int essai = 0; essai < 3000; ++essai) {
            Banc b;
            b.commencer(1 + int(rng() % 3));
            // What a restore does with any record.
            for (int32_t& v : b.jeu.grille.v) v = valeur_quelconque(rng);
            b.jeu.nb_repos = rng() % 3 ? int32_t(rng() % 60) - 8 : int32_t(rng());
            b.jeu.annuler_prise();
            b.jeu.fin_traitee = false;
            b.jeu.jeux_repos(b.jeu.nb_repos);
            b.jeu.place_bille_plateau();
            b.jeu.affiche_score();

            for (int pas = 0; pas < 40; ++pas) {
                const Grille avant = b.jeu.grille;
                const int32_t repos = b.jeu.nb_repos;
                switch (rng() % 10) {
                case 8: case 9: {
                    // A pick on a hole that offers the hand, then a landing two holes away.
                    const int de = 1 + int(rng() % 49);
                    const Case k = case_du_trou(de);
                    const Pas p = pas_direction(1 + int(rng() % 4));
                    b.clic(de);
                    b.clic(numero_trou(k.col + 2 * p.dc, k.lig + 2 * p.dr));
                    break;
                }
                case 0: case 1: b.jeu.pmove(quelconque(rng)); break;
                case 2: b.jeu.choisir(quelconque(rng)); break;
                case 3: case 4: b.jeu.deplacement(); break;
                case 5: b.jeu.jeux_repos(rng() % 2 ? quelconque(rng) : int32_t(rng())); break;
                case 6:
                    // The operations asked directly, with any hole numbers.
                    if (rng() % 2)
                        b.jeu.prendre(quelconque(rng));
                    else
                        b.jeu.sauter(quelconque(rng), quelconque(rng));
                    break;
                default:
                    b.jeu.heures = quelconque(rng); b.jeu.minutes = quelconque(rng); b.jeu.secondes = quelconque(rng);
                    b.jeu.Timer1Timer();
                    break;
                }
                for (size_t i = 0; i < avant.v.size(); ++i) {
                    const int32_t v = b.jeu.grille.v[i];
                    if (v == avant.v[i]) continue;
                    // Only values 0 or more are ever rewritten, and only to 0, 1 or 2.
                    QVERIFY2(avant.v[i] >= 0 && v >= 0 && v <= 2, qPrintable(QString("try %1 index %2").arg(essai).arg(i)));
                }
                sauts += b.jeu.nb_repos != repos;
                QVERIFY(b.jeu.nb_mobiles >= 0 && b.jeu.nb_mobiles <= 49);
                QCOMPARE(b.sprites.hors_limites, 0);
            }
            QVERIFY(nb_fins(b.journal) <= 1);
        }
        QVERIFY(sauts > 100);   // the jump itself ran on arbitrary grids
        qInfo("%d jumps on arbitrary grids", sauts);
        // Extreme tray counts are shown without overflowing.
        Banc b;
        b.jeu.nb_repos = std::numeric_limits<int32_t>::min();
        b.jeu.affiche_score();
        QCOMPARE(b.affichage.billes, std::string("2147483692"));
        b.jeu.pas_de_partie = false;
        b.jeu.fin_de_partie();
        QCOMPARE(b.partenaires.scores.back().first, std::numeric_limits<int32_t>::max());
    }
};

QTEST_APPLESS_MAIN(TestAleatoire)
#include "test_game_aleatoire.moc"
