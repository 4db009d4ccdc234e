// The window's size, offscreen: the "Size" choices and their memory in
// trelmo.ini, a window made larger by the window manager, and the way back
// to the window at its own size, pixel for pixel.
#include "mainwindow/echelle.h"
#include "mainwindow/form1.h"
#include "mainwindow/sprite.h"
#include "resources/ressources.h"
#include "storage/ini.h"
#include "widgets/garde.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace trelmo;

namespace {
std::vector<std::string> erreurs;
void noter_erreur(const std::string& t) { erreurs.push_back(t); }
} // namespace

class TestTaille : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir, config;
    QString ancien;

    std::unique_ptr<TForm1> fenetre()
    {
        dir = std::make_unique<QTemporaryDir>();
        QDir(dir->path()).mkpath(QStringLiteral("Image/Skin"));
        for (int i = 1; i <= 4; ++i) {
            const QString nom = QStringLiteral("Image/Skin/p%1.bmp").arg(i);
            QFile::copy(QStringLiteral(TRELMO_RUN_DIR "/") + nom, dir->filePath(nom));
        }
        QDir::setCurrent(dir->path());
        auto f = std::make_unique<TForm1>();
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get()))
            qWarning("window not exposed");
        return f;
    }
    static QString ini()
    {
        QFile f(QString::fromStdString(chemin_ini()));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
    void initTestCase()
    {
        ancien = QDir::currentPath();
        afficheur_erreur() = &noter_erreur;
        qputenv("LC_ALL", "en_US.UTF-8");
        initialiser_ressources();
        enregistrer_tophand();
    }
    void cleanupTestCase() { QDir::setCurrent(ancien); }
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toUtf8());
    }

    // Each choice of the menu: the window at that scale of its own size,
    // remembered; 100 % gives back the very pixels of the window as it was.
    void choix_du_menu()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        const QImage avant = f->grab().toImage();
        QCOMPARE(avant.size(), QSize(640, 462));
        QVERIFY(f->action("taille") && f->action("taille")->menu());
        QVERIFY(f->action("plein_ecran"));
        QCOMPARE(f->action("plein_ecran")->shortcut(), QKeySequence(Qt::Key_F11));

        f->findChild<QAction*>(QStringLiteral("taille_150"))->trigger();
        QCOMPARE(f->devicePixelRatioF(), 1.5);
        QCOMPARE(f->size(), QSize(640, 462));
        QCOMPARE(f->grab().toImage().size(), QSize(960, 693));
        QVERIFY(ini().contains(QStringLiteral("taille=150")));
        QCOMPARE(taille_enregistree(chemin_ini()), 150);

        f->findChild<QAction*>(QStringLiteral("taille_100"))->trigger();
        QCOMPARE(f->devicePixelRatioF(), 1.0);
        QCOMPARE(f->size(), QSize(640, 462));
        QCOMPARE(f->grab().toImage(), avant);
        QVERIFY(ini().contains(QStringLiteral("taille=100")));

        // A value the menu does not offer counts as 100 %.
        ecrit_preference_entier(chemin_ini(), "taille", 137);
        QCOMPARE(taille_enregistree(chemin_ini()), 100);
        QVERIFY(erreurs.empty());
    }

    // The window made larger: the whole layout at the scale that fits it,
    // in the middle of the surround, still played by clicking its holes.
    void fenetre_agrandie()
    {
        auto f = fenetre();
        f->etat_jeuxClick();
        f->resize(1200, 1000);
        // In whole eighths: 1 7/8 fits 1200 x 1000.
        const double attendu = 1.875;
        QTRY_COMPARE(f->echelle()->facteur(), attendu);
        QCOMPARE(f->devicePixelRatioF(), attendu);
        // The same pixels as asked for, counted at the new scale.
        QVERIFY(std::abs(f->width() * attendu - 1200) < attendu + 1);
        QVERIFY(std::abs(f->height() * attendu - 1000) < attendu + 1);
        auto* plateau = f->findChild<QLabel*>(QStringLiteral("plateau"));
        QVERIFY(std::abs(plateau->geometry().center().x() - f->rect().center().x()) <= 1);
        QVERIFY(std::abs(plateau->geometry().center().y() - f->rect().center().y()) <= 1);
        QCOMPARE(plateau->size(), QSize(640, 462));
        // The surround is painted, the layout's corner is the skin.
        const QImage image = f->grab().toImage();
        QCOMPARE(image.pixel(1, 1), qRgb(0x20, 0x20, 0x20));

        // A jump by two clicks at this scale: 23 over 24 into 25 on the English board.
        QTest::mouseClick(f->trou(23), Qt::LeftButton, {}, QPoint(10, 11));
        QTest::mouseClick(f->trou(25), Qt::LeftButton, {}, QPoint(10, 11));
        QVERIFY(f->trou(25)->montreImage());
        QVERIFY(!f->trou(24)->montreImage());

        f->echelle()->choisir(100);
        QCOMPARE(f->devicePixelRatioF(), 1.0);
        QCOMPARE(f->size(), QSize(640, 462));
        QCOMPARE(plateau->pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(TestTaille)
#include "test_taille.moc"
