// Undo and redo against random games, and games started from a problem's position.
#include "banc_jeu.h"

#include <QTest>

#include <random>

using namespace trelmo;
using namespace trelmo::essai;

namespace {

// The state a game shows: what undo and redo must bring back exactly.
struct Photo {
    Grille grille;
    int32_t nb_repos, nb_mobiles;
    std::array<int32_t, 1 + kNbTrous + kNbRepos> marques;
    std::array<bool, kNbTrous + 1> montre;
    std::array<bool, kNbRepos + 1> montre_repos;
    std::string billes;
    bool operator==(const Photo&) const = default;
};

Photo photo(const Banc& b)
{
    return {b.jeu.grille, b.jeu.nb_repos, b.jeu.nb_mobiles, b.jeu.marques,
            b.sprites.montre, b.sprites.montre_repos, b.affichage.billes};
}

} // namespace

class TestHistorique : public QObject {
    Q_OBJECT
private slots:
    void annuler_refaire_aleatoire()
    {
        std::mt19937 rng(20261210);
        for (int partie = 0; partie < 150; ++partie) {
            const int32_t niveau = 1 + partie % 3;
            Banc b;
            b.commencer(niveau);
            std::vector<std::pair<int, int>> ligne;    // the jumps the game holds now
            std::vector<std::pair<int, int>> defaits;  // undone, newest last
            for (int pas = 0; pas < 80 && !b.jeu.fin_traitee; ++pas) {
                const auto sauts = sauts_legaux(b.jeu.grille);
                const unsigned choix = rng() % 10;
                if (choix < 2 && !ligne.empty()) {
                    if (rng() % 2)
                        b.clic(ligne.back().second);   // a held marble is put back first
                    QVERIFY(b.jeu.annuler());
                    defaits.push_back(ligne.back());
                    ligne.pop_back();
                    QVERIFY(!b.jeu.bille_prise());
                } else if (choix < 4 && !defaits.empty()) {
                    QVERIFY(b.jeu.refaire());
                    ligne.push_back(defaits.back());
                    defaits.pop_back();
                } else if (!sauts.empty()) {
                    const auto s = sauts[rng() % sauts.size()];
                    b.jouer(s.first, s.second);
                    ligne.push_back(s);
                    defaits.clear();
                } else {
                    break;
                }
                QCOMPARE(b.jeu.peut_refaire(), !defaits.empty() && !b.jeu.fin_traitee);
                // The same game replayed without undo or redo shows the same.
                Banc r;
                r.commencer(niveau);
                for (auto [de, vers] : ligne)
                    r.jouer(de, vers);
                QVERIFY2(photo(b) == photo(r), qPrintable(QStringLiteral("game %1, step %2").arg(partie).arg(pas)));
                for (int n = 1; n <= kNbTrous; ++n)
                    QCOMPARE(b.sprites.curseur[size_t(n)], 0);
            }
        }
    }

    void quand_on_ne_peut_pas()
    {
        Banc b;
        b.jeu.demarrage();
        QVERIFY(!b.jeu.annuler());                 // no game
        b.commencer(1);
        QVERIFY(!b.jeu.peut_annuler());
        b.jouer(9, 25);
        const int32_t repos = b.jeu.nb_repos;
        b.jeu.Timer1Timer();
        QVERIFY(b.jeu.annuler());
        QCOMPARE(b.jeu.nb_repos, repos - 1);
        QCOMPARE(b.affichage.chrono_texte, std::string("00:00:01"));  // time is not rewound
        QVERIFY(b.minuterie.actif);
        b.jouer(9, 25);
        QVERIFY(!b.jeu.peut_refaire());            // a new jump drops the redo list
        b.jeu.etat_jeuxClick();                    // stop
        QVERIFY(!b.jeu.historique.peut_annuler());
        // After the end of a game the result stands.
        b.commencer(1);
        const uint64_t deux = (uint64_t{1} << (16 - 1)) | (uint64_t{1} << (9 - 1));
        b.jeu.commencer_probleme(1, deux, 25);
        b.jouer(9, 25);
        QVERIFY(b.jeu.fin_traitee);
        QVERIFY(!b.jeu.peut_annuler());
        QVERIFY(!b.jeu.annuler());
    }

    void problemes()
    {
        Banc b;
        b.commencer(2);
        // Two marbles: (5,3) over (5,4) into the centre, the target.
        const uint64_t billes = (uint64_t{1} << (9 - 1)) | (uint64_t{1} << (16 - 1));
        b.jeu.commencer_probleme(1, billes, 25);
        QCOMPARE(b.jeu.nb_repos, 42);
        QCOMPARE(b.affichage.billes, std::string("2"));
        QCOMPARE(b.sprites.billes_montrees(), 2);
        QCOMPARE(b.sprites.actif[7], false);       // an English board: no corner hole
        QCOMPARE(Jeu::niveau_de_grille(b.jeu.grille), 1);
        QCOMPARE(b.affichage.chrono_texte, std::string("00:00:00"));
        b.jouer(9, 25);
        QVERIFY(b.jeu.fin_traitee);
        QCOMPARE(b.affichage.resultat_texte, b.jeu.textes.gagne);
        QVERIFY(b.partenaires.scores.empty());     // problems stay out of the top ten
        // The same finish on another hole than the target is no win.
        const uint64_t ailleurs = (uint64_t{1} << (25 - 1)) | (uint64_t{1} << (34 - 1));
        b.jeu.commencer_probleme(1, ailleurs, 25);
        b.jouer(25, 43 - 2);                       // (5,5) over (5,6) into (5,7)
        QVERIFY(b.jeu.fin_traitee);
        QCOMPARE(b.affichage.resultat_texte, b.jeu.textes.termine);
        // A standard new game is no problem any more.
        b.jeu.etat_jeuxClick();
        b.jeu.etat_jeuxClick();
        QVERIFY(!b.jeu.probleme);
        QCOMPARE(b.jeu.cible, 0);
    }
};

QTEST_MAIN(TestHistorique)
#include "test_game_historique.moc"
