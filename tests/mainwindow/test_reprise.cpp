// A game is never lost by leaving: the game in progress at the window's
// close is kept in its own file (never in GAME), announced at the next start
// and taken up again by Ctrl+R with its time and its undo; a damaged file is
// set aside and told once; a stop or a new game is taken back by Ctrl+Z
// until the next jump.
#include "mainwindow/form1.h"
#include "mainwindow/sprite.h"
#include "resources/ressources.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace trelmo;

namespace {

void rien(const std::string&) {}

// The first jump a click can make now.
std::pair<int, int> un_saut(TForm1& f)
{
    for (int de = 1; de <= 49; ++de)
        for (int vers = 1; vers <= 49; ++vers)
            if (f.jeu().saut_permis(de, vers) && f.trou(vers)->actif()
                && f.jeu().grille.mobile(case_du_trou(de).col, case_du_trou(de).lig))
                return {de, vers};
    return {0, 0};
}

void sauter(TForm1& f)
{
    const auto [de, vers] = un_saut(f);
    QVERIFY(de != 0);
    f.clicTrou(de);
    f.clicTrou(vers);
}

// What the board shows: a marble or not in each hole of the board.
QString plateau(TForm1& f)
{
    QString s;
    for (int n = 1; n <= 49; ++n)
        s += !f.trou(n)->actif() ? QLatin1Char(' ') : f.trou(n)->montreImage() ? QLatin1Char('o') : QLatin1Char('.');
    return s;
}

} // namespace

class TestReprise : public QObject {
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
    QString fichier() const { return dir.filePath(QStringLiteral("partie_en_cours.txt")); }

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
    }
    void cleanupTestCase() { QDir::setCurrent(ancien); }
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toUtf8());
        avertissements.clear();
        QFile::remove(fichier());
    }

    void partie_gardee_puis_reprise()
    {
        QString vu, chrono;
        {
            auto f = fenetre();
            f->etat_jeuxClick();
            for (int i = 0; i < 3; ++i)
                sauter(*f);
            for (int i = 0; i < 75; ++i)
                f->Timer1Timer();
            vu = plateau(*f);
            chrono = f->label("chrono")->text();
            QCOMPARE(chrono, QStringLiteral("00:01:15"));
            f->close();
        }
        QVERIFY(QFile::exists(fichier()));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("GAME"))) || QFileInfo(dir.filePath(QStringLiteral("GAME"))).size() == 1325);
        {
            auto f = fenetre();
            // The board starts as always, and a balloon tells of the kept game.
            QVERIFY(f->jeu().pas_de_partie);
            QTRY_VERIFY_WITH_TIMEOUT(THintManager::instance()->messageShown()
                                         && THintManager::instance()->window()->text().contains(QStringLiteral("Ctrl+R")),
                                     12000);
            THintManager::instance()->hideHint();
            QVERIFY(f->action("reprendre")->isEnabled());
            QTest::keyClick(f.get(), Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(plateau(*f), vu);
            QCOMPARE(f->label("chrono")->text(), chrono);
            QCOMPARE(f->label("billes_repos")->text(), QStringLiteral("29"));
            QVERIFY(!QFile::exists(fichier()));
            QVERIFY(!f->action("reprendre")->isEnabled());
            // Its history came with it: three jumps to undo.
            for (int i = 0; i < 3; ++i) {
                QVERIFY(f->action("annuler")->isEnabled());
                QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
            }
            QCOMPARE(f->label("billes_repos")->text(), QStringLiteral("32"));
            QVERIFY(!f->action("annuler")->isEnabled());
            // A game over or stopped at the close is not kept.
            f->etat_jeuxClick();
            f->close();
        }
        QVERIFY(!QFile::exists(fichier()));
        QVERIFY(avertissements.isEmpty());
    }

    void fichier_endommage()
    {
        {
            QFile f(fichier());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("trelmo-partie 1\ntemps 0 0 3\nposition 99 1 2 3\n");
        }
        {
            auto f = fenetre();
            QTRY_COMPARE(avertissements.size(), 1);
            QVERIFY(avertissements.front().contains(QStringLiteral("set aside")));
            QVERIFY(!f->action("reprendre")->isEnabled());
        }
        QVERIFY(!QFile::exists(fichier()));
        QVERIFY(QFile::exists(fichier() + QStringLiteral(".endommage")));
        auto f = fenetre();
        QTest::qWait(100);
        QCOMPARE(avertissements.size(), 1);
        QFile::remove(fichier() + QStringLiteral(".endommage"));
    }

    void arret_et_nouvelle_partie_annules()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        sauter(*f);
        sauter(*f);
        const QString vu = plateau(*f);
        // Stop: Ctrl+Z brings the game back.
        f->etat_jeuxClick();
        QVERIFY(f->jeu().pas_de_partie);
        QVERIFY(f->action("annuler")->isEnabled());
        QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!f->jeu().pas_de_partie);
        QCOMPARE(plateau(*f), vu);
        QCOMPARE(f->label("billes_repos")->text(), QStringLiteral("30"));
        // Stop and a new game: Ctrl+Z still brings it back, until a jump.
        f->etat_jeuxClick();
        f->etat_jeuxClick();
        QVERIFY(plateau(*f) != vu);
        QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(plateau(*f), vu);
        f->etat_jeuxClick();
        f->etat_jeuxClick();
        sauter(*f);
        QTest::keyClick(f.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->label("billes_repos")->text(), QStringLiteral("32"));
        QVERIFY(!f->action("annuler")->isEnabled());
    }
};

QTEST_MAIN(TestReprise)
#include "test_reprise.moc"
