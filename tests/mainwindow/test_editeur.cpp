// The problem editor on the real window, offscreen: the solver's verdict
// after each change, Keep into mes_problemes.txt, Play as a problem, and the
// position as text through the clipboard (Copy, then Ctrl+V on the board;
// a bad text told and nothing changed).
#include "dialogs/editeur.h"
#include "game/problemes.h"
#include "mainwindow/editeur_fenetre.h"
#include "mainwindow/form1.h"
#include "mainwindow/sprite.h"
#include "resources/ressources.h"
#include "widgets/garde.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace trelmo;

namespace {

void rien(const std::string&) {}

// Runs `faire` on the editor once it is open (the editor is modal).
void dans_l_editeur(std::function<void(TEditeur&)> faire)
{
    QTimer::singleShot(0, [faire] {
        auto* ed = qobject_cast<TEditeur*>(QApplication::activeModalWidget());
        QVERIFY(ed);
        faire(*ed);
        if (ed->isVisible())
            ed->reject();
    });
}

} // namespace

class TestEditeur : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<QTemporaryDir> config;
    QString ancien;
    QStringList avertissements;

    std::unique_ptr<TForm1> fenetre()
    {
        QDir::setCurrent(dir.path());
        auto f = std::make_unique<TForm1>();
        f->reglages().config.set_niveau(1);
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()))
            qWarning("window not shown");
        return f;
    }

private slots:
    void initTestCase()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Image/Skin"));
        for (int i = 1; i <= 4; ++i) {
            const QString nom = QStringLiteral("Image/Skin/p%1.bmp").arg(i);
            QFile::copy(QStringLiteral(TRELMO_RUN_DIR "/") + nom, dir.filePath(nom));
        }
        ancien = QDir::currentPath();
        afficheur_erreur() = &rien;
        qputenv("LC_ALL", "en_US.UTF-8");
        initialiser_ressources();
        enregistrer_tophand();
        TForm1::afficheur_avertissement() = [this](const QString& t) { avertissements << t; };
        TEditeur::afficheur_message() = [this](const QString& t) { avertissements << t; };
    }
    void cleanupTestCase() { QDir::setCurrent(ancien); }
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toUtf8());
        avertissements.clear();
    }

    void verdict_garder_jouer()
    {
        auto f = fenetre();
        QString texte_copie;
        dans_l_editeur([&](TEditeur& ed) {
            // The standard English start: one marble on the centre, proven.
            const QRegularExpression un(QStringLiteral("^Can finish with 1 marble on [a-i][1-9] \\(proven\\)$"));
            QTRY_VERIFY_WITH_TIMEOUT(un.match(ed.verdict()).hasMatch(), 5000);
            // The keyboard: the cursor up two holes, a marble taken there.
            ed.plateau()->setFocus();
            QTest::keyClick(ed.plateau(), Qt::Key_Up);
            QTest::keyClick(ed.plateau(), Qt::Key_Up);
            QTest::keyClick(ed.plateau(), Qt::Key_Space);
            QVERIFY(ed.plateau()->accessibleDescription().contains(QStringLiteral("Column 5, row 3: empty")));
            QTRY_VERIFY_WITH_TIMEOUT(un.match(ed.verdict()).hasMatch(), 5000);
            // Everything taken: no jump at all.
            ed.findChild<QPushButton*>(QStringLiteral("vider"))->click();
            QCOMPARE(ed.verdict(), QStringLiteral("No jump possible"));
            // A small problem with a target, kept under its name.
            PositionTexte p;
            p.niveau = 1;
            p.billes = bit(numero_trou(5, 4)) | bit(numero_trou(5, 5));
            p.cible = numero_trou(5, 3);
            p.nom = "Two up";
            ed.setPosition(p);
            QTRY_COMPARE_WITH_TIMEOUT(ed.verdict(), QStringLiteral("Can finish with 1 marble on e3 (proven)"), 5000);
            ed.findChild<QPushButton*>(QStringLiteral("garder"))->click();
            ed.findChild<QPushButton*>(QStringLiteral("copier"))->click();
            texte_copie = QApplication::clipboard()->text();
            ed.findChild<QPushButton*>(QStringLiteral("jouer"))->click();
        });
        f->action("nouveau_probleme")->trigger();
        QCOMPARE(texte_copie.section(QLatin1Char('\n'), 0, 0), QStringLiteral("# Trelmo: english; target e3; name: Two up"));
        QFile fichier(dir.filePath(QStringLiteral("mes_problemes.txt")));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QVERIFY(fichier.readAll().contains("\tTwo up\n"));
        // Played: two marbles on the board, and won on the target.
        QVERIFY(!f->jeu().pas_de_partie);
        QCOMPARE(f->label("billes_repos")->text(), QStringLiteral("2"));
        f->clicTrou(numero_trou(5, 5));
        f->clicTrou(numero_trou(5, 3));
        QVERIFY(f->jeu().fin_traitee);
        QVERIFY(f->jeu().gagnee());
        QVERIFY(avertissements.isEmpty());
    }

    void presse_papiers()
    {
        auto f = fenetre();
        // A bad text: told, and nothing opens or changes.
        QApplication::clipboard()->setText(QStringLiteral("hello\nworld"));
        QTest::keyClick(f.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(avertissements.size(), 1);
        QVERIFY(avertissements.front().contains(QStringLiteral("not a position")));
        QVERIFY(f->jeu().pas_de_partie);
        // The French board's start as text: Ctrl+V opens it in the editor.
        const QString t = QStringLiteral("# Trelmo: french; name: Pasted\n  ooo\n ooooo\nooooooo\nooo.ooo\nooooooo\n ooooo\n  ooo\n");
        QApplication::clipboard()->setText(t);
        PositionTexte vu;
        dans_l_editeur([&](TEditeur& ed) { vu = ed.position(); });
        QTest::keyClick(f.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(vu.niveau, 2);
        QCOMPARE(std::popcount(vu.billes), 36);
        QCOMPARE(QString::fromStdString(vu.nom), QStringLiteral("Pasted"));
        // The board's own position copied: the same picture back.
        f->etat_jeuxClick();
        f->action("copier")->trigger();
        const auto lu = depuis_texte_position(QApplication::clipboard()->text().toStdString());
        QVERIFY(lu);
        QCOMPARE(lu->niveau, Jeu::niveau_de_grille(f->jeu().grille));
        QCOMPARE(std::popcount(lu->billes), 44 - f->jeu().nb_repos);
    }
};

QTEST_MAIN(TestEditeur)
#include "test_editeur.moc"
