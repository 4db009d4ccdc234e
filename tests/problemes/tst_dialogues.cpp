// The Problems dialog and the Statistics window, driven from the keyboard
// under the offscreen platform, over statistics filled by hand.
#include "dialogs/langue.h"
#include "dialogs/problemes.h"
#include "dialogs/statistiques.h"
#include "game/grille.h"
#include "game/problemes.h"
#include "game/textes.h"
#include "resources/ressources.h"
#include "storage/statistiques.h"

#include <QAccessible>
#include <QApplication>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace trelmo;

namespace {

void touche(Qt::Key k)
{
    QTest::keyClick(QApplication::focusWidget(), k);
}

void touches(Qt::Key k, int fois)
{
    for (int i = 0; i < fois; ++i)
        touche(k);
}

// One finished game of `cle`: `billes` left after `secondes`, with `indices` hints.
void partie(Statistiques& s, const std::string& cle, int billes, int secondes, int indices = 0)
{
    s.nouvelle_partie(cle);
    s.saut();
    for (int i = 0; i < indices; ++i)
        s.indice();
    s.fin(billes, secondes, billes == 1);
}

int ligne(const QListWidget* l, const QString& nom)
{
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->text() == nom)
            return i;
    return -1;
}

} // namespace

class TstDialogues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initialiser_ressources(); }

    void problemesAuClavier()
    {
        QTemporaryDir dir;
        Statistiques stats(dir.filePath(QStringLiteral("statistiques.json")).toStdString());
        partie(stats, cle_probleme("plus"), 1, 75);
        partie(stats, cle_probleme("croix"), 3, 40);
        partie(stats, cle_probleme("anglais-trou-e5-e5"), 1, 600);

        TProblemes dlg(ANGLAIS, stats);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(QApplication::focusWidget(), dlg.liste);

        // Solved problems carry their mark and best time; a lost game is no solution.
        const int plus = ligne(dlg.liste, QStringLiteral("The Plus"));
        const int croix = ligne(dlg.liste, QStringLiteral("The Cross"));
        QVERIFY(plus > 0 && croix > 0);
        QVERIFY(dlg.liste->item(plus)->data(TProblemes::RoleResolu).toBool());
        QVERIFY(!dlg.liste->item(croix)->data(TProblemes::RoleResolu).toBool());
        QVERIFY(dlg.liste->item(plus)->data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("00:01:15")));

        // Down skips nothing but headings; Enter plays the problem.
        QCOMPARE(dlg.liste->currentRow(), croix);
        touches(Qt::Key_Down, plus - croix);
        QCOMPARE(dlg.liste->currentRow(), plus);
        QVERIFY(dlg.etat->text().contains(QStringLiteral("00:01:15")));
        touche(Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.choisi(), probleme("plus"));

        // The one-hole series: Enter on its row moves to the board, where the
        // start and then the target are chosen with the arrows.
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        const int serie = ligne(dlg.liste, QStringLiteral("One empty hole"));
        QVERIFY(serie > 0);
        dlg.liste->setCurrentRow(serie);
        QVERIFY(!dlg.jouer->isEnabled());
        touche(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), dlg.plateau);
        QCOMPARE(dlg.plateau->curseur(), trou_nomme("e5"));
        touche(Qt::Key_Right);
        QCOMPARE(dlg.plateau->curseur(), trou_nomme("f5"));
        touche(Qt::Key_Left);
        touche(Qt::Key_Return);
        QCOMPARE(dlg.plateau->depart(), trou_nomme("e5"));
        QCOMPARE(dlg.plateau->candidats().size(), size_t(5));
        QVERIFY(dlg.plateau->accessibleDescription().contains(QStringLiteral("solved")));   // e5 to e5
        touche(Qt::Key_Up);
        QCOMPARE(dlg.plateau->curseur(), trou_nomme("e2"));
        QVERIFY(!dlg.plateau->accessibleDescription().contains(QStringLiteral("solved")));
        // Escape goes back to the start, which stays where it was.
        touche(Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.plateau->depart(), 0);
        QCOMPARE(dlg.plateau->curseur(), trou_nomme("e5"));
        touche(Qt::Key_Return);
        touche(Qt::Key_Up);
        touche(Qt::Key_Return);
        QVERIFY(dlg.jouer->isEnabled());
        QVERIFY(dlg.isVisible());
        touche(Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.choisi(), probleme("anglais-trou-e5-e2"));

        // A problem solved since the last showing is marked on the next one.
        partie(stats, cle_probleme("croix"), 1, 30);
        dlg.show();
        QVERIFY(dlg.liste->item(croix)->data(TProblemes::RoleResolu).toBool());

        // Escape on the list closes the dialog without a choice.
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        touche(Qt::Key_Escape);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.choisi(), nullptr);
    }

    // What a screen reader is told and can reach: each move and choice on
    // the one-hole board is spoken; the statistics' figures are a list of
    // labelled rows; each problem played has its own figures.
    void lecteurEtParProbleme()
    {
        QTemporaryDir dir;
        Statistiques stats(dir.filePath(QStringLiteral("statistiques.json")).toStdString());
        partie(stats, kCleAnglais, 1, 130);
        partie(stats, cle_probleme("croix"), 1, 20, 2);
        partie(stats, cle_probleme("plus"), 3, 50);
        partie(stats, cle_probleme("plus"), 1, 45);

        {
            TProblemes dlg(ANGLAIS, stats);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            dlg.liste->setCurrentRow(ligne(dlg.liste, QStringLiteral("One empty hole")));
            touche(Qt::Key_Return);
            auto* annonce = dlg.findChild<QWidget*>(QStringLiteral("annonce"));
            QVERIFY(annonce);
            touche(Qt::Key_Right);
            QVERIFY2(annonce->accessibleName().startsWith(QStringLiteral("Hole f5")), qPrintable(annonce->accessibleName()));
            touche(Qt::Key_Left);
            touche(Qt::Key_Return);
            QVERIFY(annonce->accessibleName().contains(QStringLiteral("Choose the hole of the last marble")));
            touche(Qt::Key_Up);
            touche(Qt::Key_Return);
            QVERIFY(annonce->accessibleName().contains(dlg.nom->text()));
        }

        TStatistiques dlg(FRANCAIS, stats);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto liste = [&] {
            QAccessibleInterface* trouvee = nullptr;
            std::function<void(QAccessibleInterface*)> chercher = [&](QAccessibleInterface* i) {
                if (!i || trouvee)
                    return;
                if (i->role() == QAccessible::List)
                    trouvee = i;
                for (int k = 0; k < i->childCount(); ++k)
                    chercher(i->child(k));
            };
            chercher(QAccessible::queryAccessibleInterface(&dlg));
            return trouvee;
        };
        QVERIFY(liste());
        QCOMPARE(liste()->childCount(), 9);
        QCOMPARE(liste()->text(QAccessible::Name), QStringLiteral("Anglais"));
        QCOMPARE(liste()->child(0)->text(QAccessible::Name), QString::fromUtf8("Parties commencées: 1"));
        // Tab goes on from OK to the figures.
        touche(Qt::Key_Tab);
        touche(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != dlg.OkBtn);
        QCOMPARE(liste()->focusChild(), liste()->child(0));
        touche(Qt::Key_Down);
        QCOMPARE(liste()->focusChild(), liste()->child(1));

        // The problems page: each problem played, with its own figures.
        dlg.onglets->setFocus(Qt::TabFocusReason);
        touches(Qt::Key_Right, 3);
        auto* table = dlg.findChild<QTreeWidget*>();
        QVERIFY(table && table->isVisible());
        QCOMPARE(table->topLevelItemCount(), 2);
        QStringList lignes;
        for (int i = 0; i < table->topLevelItemCount(); ++i) {
            QStringList cellules;
            for (int c = 0; c < table->columnCount(); ++c)
                cellules << table->topLevelItem(i)->text(c);
            lignes << cellules.join(QLatin1Char('|'));
        }
        const QString croix = QString::fromStdString(probleme("croix")->nom(FRANCAIS));
        const QString plus = QString::fromStdString(probleme("plus")->nom(FRANCAIS));
        QVERIFY2(lignes.contains(croix + QStringLiteral("|1|1|00:00:20|2")), qPrintable(lignes.join(QLatin1Char(';'))));
        QVERIFY2(lignes.contains(plus + QStringLiteral("|2|1|00:00:45|0")), qPrintable(lignes.join(QLatin1Char(';'))));
        QVERIFY(!table->geometry().intersects(dlg.graphique->geometry()));
        for (QLabel* l : dlg.valeurs)
            QVERIFY(!l->isVisible() || !table->geometry().intersects(l->geometry()));
        QCOMPARE(liste()->child(liste()->childCount() - 1)->text(QAccessible::Name).isEmpty(), false);
        // Back on a board, the table goes.
        touche(Qt::Key_Left);
        QVERIFY(!table->isVisible());

        // The table names the problems as the problems window does, in every language.
        const int32_t espagnol = langue_du_locale("es");
        TStatistiques es(espagnol, stats);
        es.montrer_page(TStatistiques::Problemes);
        QStringList noms;
        for (int i = 0; i < es.findChild<QTreeWidget*>()->topLevelItemCount(); ++i)
            noms << es.findChild<QTreeWidget*>()->topLevelItem(i)->text(0);
        QVERIFY2(noms.contains(nom_probleme(*probleme("croix"), espagnol)), qPrintable(noms.join(QLatin1Char(';'))));
    }

    // The mouse finds every hole of the three boards at its centre, and
    // nothing between two holes.
    void trouSousLaSouris()
    {
        for (int32_t niveau = 1; niveau <= 3; ++niveau) {
            const GeometriePlateau g(niveau, QRectF(10, 20, 300, 280));
            for (int n = 1; n <= kNbTrous; ++n) {
                const bool trou = trous_du_niveau(niveau) >> (n - 1) & 1;
                QCOMPARE(g.trou_en(g.centre(n)), trou ? n : 0);
            }
            const QPointF entre = (g.centre(trou_nomme("e5")) + g.centre(trou_nomme("f6"))) / 2;
            QCOMPARE(g.trou_en(entre), 0);
        }
    }

    void statistiquesDesPages()
    {
        QTemporaryDir dir;
        Statistiques stats(dir.filePath(QStringLiteral("statistiques.json")).toStdString());
        partie(stats, kCleAnglais, 1, 130);
        partie(stats, kCleAnglais, 4, 90);
        partie(stats, kCleAnglais, 1, 100, 1);
        partie(stats, kCleFrancais, 2, 300);
        partie(stats, cle_probleme("croix"), 1, 20);
        partie(stats, cle_probleme("plus"), 3, 20);

        TStatistiques dlg(FRANCAIS, stats);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto valeur = [&](TStatistiques::Chiffre c) { return dlg.valeurs[size_t(c)]->text(); };
        QCOMPARE(valeur(TStatistiques::Commencees), QStringLiteral("3"));
        QCOMPARE(valeur(TStatistiques::Gagnees), QStringLiteral("2"));
        QCOMPARE(valeur(TStatistiques::MoinsDeBilles), QStringLiteral("1"));
        QCOMPARE(valeur(TStatistiques::MeilleurTemps), QStringLiteral("00:01:40"));
        QCOMPARE(valeur(TStatistiques::Moyenne), QStringLiteral("2,0"));
        QCOMPARE(valeur(TStatistiques::SerieEnCours), QStringLiteral("1"));
        QCOMPARE(valeur(TStatistiques::MeilleureSerie), QStringLiteral("1"));
        QCOMPARE(valeur(TStatistiques::Indices), QStringLiteral("1"));
        QCOMPARE(dlg.graphique->resultats(), (std::map<int, int>{{1, 2}, {4, 1}}));

        // Right on the tabs: the French board, where no game was won.
        QCOMPARE(QApplication::focusWidget(), dlg.onglets);
        touche(Qt::Key_Right);
        QCOMPARE(valeur(TStatistiques::Terminees), QStringLiteral("1"));
        QCOMPARE(valeur(TStatistiques::MeilleurTemps), QStringLiteral("–"));
        QCOMPARE(valeur(TStatistiques::Moyenne), QStringLiteral("2,0"));

        // The problems together.
        touches(Qt::Key_Right, 2);
        QVERIFY(dlg.valeurs[size_t(TStatistiques::Resolus)]->isVisible());
        QCOMPARE(valeur(TStatistiques::Resolus), QStringLiteral("1 sur %1").arg(catalogue().size()));
        QCOMPARE(valeur(TStatistiques::Terminees), QStringLiteral("2"));
        QCOMPARE(valeur(TStatistiques::MoinsDeBilles), QStringLiteral("1"));
        QVERIFY(!dlg.valeurs[size_t(TStatistiques::MeilleurTemps)]->isVisible());
        QVERIFY(dlg.graphique->accessibleDescription().contains(QStringLiteral("3 billes restantes : 1 parties")));

        touche(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dlg.OkBtn);
        touche(Qt::Key_Return);
        QTRY_VERIFY(!dlg.isVisible());
    }
};

QTEST_MAIN(TstDialogues)
#include "tst_dialogues.moc"
