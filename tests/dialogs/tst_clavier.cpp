// Every dialog can be used from the keyboard alone, and shows where the
// focus is only once the keyboard has moved it.
#include "dialogs/bouton.h"
#include "dialogs/freewaremsg.h"
#include "dialogs/liens.h"
#include "dialogs/meilleur_score.h"
#include "dialogs/mode.h"
#include "dialogs/saisie_nom.h"
#include "resources/ressources.h"
#include "storage/config.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace trelmo;

namespace {

// Runs `touches` on the modal dialog once it is shown.
void au_clavier(QDialog& d, std::function<void()> touches)
{
    QTimer::singleShot(0, &d, [&d, touches] {
        QVERIFY(QTest::qWaitForWindowActive(&d));
        touches();
    });
}

void touche(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, m);
}

} // namespace

class TestClavier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initialiser_ressources();
        enregistrer_tophand();
        definir_ouvreur([](const QUrl&) {});
    }

    void dialogues()
    {
        QTemporaryDir dir;
        Reglages reglages(QDir(dir.path()).absolutePath().toStdString() + "/");
        reglages.recharger();

        // The variant dialog: Tab to the second board, Space chooses it.
        Tmode mode(reglages, 1);
        au_clavier(mode, [&] {
            mode.m1->setFocus(Qt::TabFocusReason);
            touche(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(mode.m2));
            touche(Qt::Key_Space);
        });
        mode.exec();
        QCOMPARE(reglages.config.niveau(), 2);

        // The name entry: typed, then Tab to OK and Enter.
        Tsaisie_nom nom(reglages, 1);
        au_clavier(nom, [&] {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ada"));
            touche(Qt::Key_Tab);
            QVERIFY(qobject_cast<TBoutonArrondi*>(QApplication::focusWidget()));
            touche(Qt::Key_Return);
        });
        QCOMPARE(nom.exec(), int(QDialog::Accepted));
        QCOMPARE(reglages.nom_joueur, std::string("Ada"));

        // The score table closes with Enter on its button, or with Escape.
        Tmeilleur_score scores(reglages, 1);
        au_clavier(scores, [&] { touche(Qt::Key_Escape); });
        scores.exec();
        QVERIFY(!scores.isVisible());

        // The about window: the check box with Space, then "Cliquez ici" with Enter.
        TFreewareMsg about;
        au_clavier(about, [&] {
            auto* boite = about.findChild<QCheckBox*>(QStringLiteral("afficher"));
            boite->setFocus(Qt::TabFocusReason);
            touche(Qt::Key_Space);
            touche(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("tf2"));
            touche(Qt::Key_Return);
        });
        about.exec();
        QVERIFY(about.afficher());
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(TestClavier)
#include "tst_clavier.moc"
