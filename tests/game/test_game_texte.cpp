// The position as text (the picture trelmo-solve reads, with its comment
// line) and the kept game's text form, both ways, and what they refuse.
#include "banc_jeu.h"
#include "game/problemes.h"
#include "game/partie_gardee.h"
#include "game/position_texte.h"

#include <QTest>

using namespace trelmo;
using namespace trelmo::essai;

namespace {


} // namespace

class TestTexte : public QObject {
    Q_OBJECT
private slots:
    void picture_of_a_problem()
    {
        PositionTexte p;
        p.niveau = 1;
        for (Case k : {Case{5, 3}, Case{5, 4}, Case{4, 5}, Case{5, 5}, Case{6, 5}, Case{5, 6}})
            p.billes |= bit(numero_trou(k.col, k.lig));
        p.cible = 25;
        p.nom = "The Plus";
        const std::string t = vers_texte(p);
        QCOMPARE(QString::fromStdString(t), QStringLiteral("# Trelmo: english; target e5; name: The Plus\n"
                                                           "  ...\n"
                                                           "  .o.\n"
                                                           "...o...\n"
                                                           "..ooo..\n"
                                                           "...o...\n"
                                                           "  ...\n"
                                                           "  ...\n"));
        const auto lu = depuis_texte_position(t);
        QVERIFY(lu);
        QCOMPARE(lu->niveau, 1);
        QCOMPARE(lu->billes, p.billes);
        QCOMPARE(lu->cible, 25);
        QCOMPARE(QString::fromStdString(lu->nom), QStringLiteral("The Plus"));
    }

    void every_board_both_ways()
    {
        for (int niveau = 1; niveau <= 3; ++niveau) {
            PositionTexte p;
            p.niveau = niveau;
            p.billes = trous_du_niveau(niveau) & ~bit(25) & ~bit(niveau == 3 ? 4 : 17);
            const auto lu = depuis_texte_position(vers_texte(p));
            QVERIFY(lu);
            QCOMPARE(lu->niveau, niveau);
            QCOMPARE(lu->billes, p.billes);
            QCOMPARE(lu->cible, 0);
        }
        QCOMPARE(std::popcount(trous_du_niveau(1)), 33);
        QCOMPARE(std::popcount(trous_du_niveau(2)), 37);
        QCOMPARE(std::popcount(trous_du_niveau(3)), 45);
    }

    // A bare picture as trelmo-solve reads it, with CR LF and blank lines around.
    void bare_picture()
    {
        const auto lu = depuis_texte_position("\r\n  ooo\r\n  ooo\r\nooooooo\r\nooo.ooo\r\nooooooo\r\n  ooo\r\n  ooo\r\n\r\n");
        QVERIFY(lu);
        QCOMPARE(lu->niveau, 1);
        QCOMPARE(std::popcount(lu->billes), 32);
        QVERIFY(!(lu->billes & bit(25)));
    }

    void refused()
    {
        for (const char* t : {"", "hello", "  ooo\n  ooo\nooooooo\n",                    // not a whole board
                              "# Trelmo: french\n  ooo\n  ooo\nooooooo\nooo.ooo\nooooooo\n  ooo\n  ooo\n",   // not French
                              "# Trelmo: english; target a1\n  ooo\n  ooo\nooooooo\nooo.ooo\nooooooo\n  ooo\n  ooo\n",
                              "# Trelmo: english; target zz\n  ooo\n  ooo\nooooooo\nooo.ooo\nooooooo\n  ooo\n  ooo\n",
                              "oooooooooo\n"})
            QVERIFY2(!depuis_texte_position(t), t);
    }

    void kept_game_both_ways()
    {
        Banc b;
        b.commencer(1);
        b.jeu.Timer1Timer();
        // Two jumps, one undone: one to undo and one to redo.
        b.jouer(numero_trou(5, 3), numero_trou(5, 5));
        b.jouer(numero_trou(3, 4), numero_trou(5, 4));
        QVERIFY(b.jeu.annuler());
        b.jeu.probleme = true;
        b.jeu.cible = 25;
        const PartieGardee g = garder(b.jeu, "croix");
        const auto lu = depuis_texte(en_texte(g));
        QVERIFY(lu);
        QCOMPARE(lu->grille, g.grille);
        QCOMPARE(lu->nb_repos, 13);
        QCOMPARE(lu->secondes, 1);
        QCOMPARE(QString::fromStdString(lu->probleme), QStringLiteral("croix"));
        QCOMPARE(lu->cible, 25);
        QCOMPARE(lu->annulables.size(), size_t(1));
        QCOMPARE(lu->refaisables.size(), size_t(1));
        QVERIFY(lu->refaisables[0].coup == (Coup{3, 4, 5, 4}));

        Banc c;
        c.jeu.demarrage();
        reprendre(c.jeu, *lu);
        QVERIFY(!c.jeu.pas_de_partie);
        QCOMPARE(c.jeu.grille, b.jeu.grille);
        QCOMPARE(c.jeu.texte_chrono, std::string("00:00:01"));
        QVERIFY(c.jeu.peut_annuler() && c.jeu.peut_refaire());
        QCOMPARE(c.jeu.cible, 25);

        // A tray count that does not match the marbles, a cut file, another header.
        std::string t = en_texte(g);
        QVERIFY(!depuis_texte(t.substr(0, t.size() / 2)));
        QVERIFY(!depuis_texte("trelmo-partie 2\n" + t.substr(t.find('\n') + 1)));
        const std::size_t pos = t.find("position 13");
        QVERIFY(pos != std::string::npos);
        QVERIFY(!depuis_texte(t.replace(pos, 11, "position 14")));
    }
};

QTEST_APPLESS_MAIN(TestTexte)
#include "test_game_texte.moc"
