// The main window, offscreen: layout, start-up state, pointer routing through
// the result overlay, textures and their storage, a skin that cannot be read.
#include "dialogs/freewaremsg.h"
#include "dialogs/liens.h"
#include "mainwindow/bmp.h"
#include "mainwindow/form1.h"
#include "mainwindow/preparation.h"
#include "mainwindow/sprite.h"
#include "resources/ressources.h"
#include "widgets/garde.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstring>
#include <memory>

using namespace trelmo;

namespace {
std::vector<std::string> erreurs;
void noter_erreur(const std::string& t) { erreurs.push_back(t); }

int32_t entier_fichier(const QString& chemin, int offset)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return -12345;
    const QByteArray b = f.readAll();
    if (b.size() < offset + 4)
        return -12345;
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(b[offset + i]);
    return static_cast<int32_t>(v);
}
} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    QString ancien;

    // A fresh program directory holding the skins (all, or all but one).
    void preparer(int sans_skin = 0)
    {
        dir = std::make_unique<QTemporaryDir>();
        QDir(dir->path()).mkpath(QStringLiteral("Image/Skin"));
        for (int i = 1; i <= 4; ++i) {
            if (i == sans_skin)
                continue;
            const QString nom = QStringLiteral("Image/Skin/p%1.bmp").arg(i);
            QVERIFY(QFile::copy(QStringLiteral(TRELMO_RUN_DIR "/") + nom, dir->filePath(nom)));
        }
        QDir::setCurrent(dir->path());
        erreurs.clear();
    }

private slots:
    void initTestCase()
    {
        ancien = QDir::currentPath();
        afficheur_erreur() = &noter_erreur;
        qputenv("XDG_CONFIG_HOME", QDir::tempPath().toUtf8() + "/trelmo-test-config");
        initialiser_ressources();
        enregistrer_tophand();
        QCoreApplication::setApplicationName(QStringLiteral("Trelmo"));
    }
    void cleanupTestCase() { QDir::setCurrent(ancien); }

    void disposition()
    {
        preparer();
        TForm1 f;
        QCOMPARE(f.size(), QSize(640, 462));
        QCOMPARE(f.windowTitle(), QStringLiteral("Trelmo"));
        QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
        const struct { int n; QPoint p; } trous[] = {
            {1, {289, 46}}, {7, {252, 122}}, {12, {180, 160}}, {20, {471, 160}}, {25, {326, 198}}, {49, {361, 350}}};
        for (const auto& t : trous)
            QCOMPARE(f.trou(t.n)->geometry(), QRect(t.p, QSize(27, 27)));
        const struct { int i; QPoint p; } repos[] = {
            {1, {23, 29}}, {5, {154, 29}}, {11, {23, 105}}, {14, {121, 105}}, {35, {23, 333}}, {44, {154, 369}}};
        for (const auto& r : repos)
            QCOMPARE(f.repos(r.i)->geometry(), QRect(r.p, QSize(27, 27)));
        // No tray sprite stands in tray column 5 of rows 3 to 8.
        for (int i = 1; i <= 44; ++i) {
            const QRect g = f.repos(i)->geometry();
            if (g.top() >= 105 && g.top() <= 294)
                QVERIFY(g.left() != 154);
        }
        const struct { const char* nom; QRect r; } labels[] = {
            {"billes_repos", {478, 40, 137, 44}}, {"etat_jeux", {480, 336, 133, 55}}, {"sauver", {526, 192, 91, 29}},
            {"scores", {526, 266, 91, 29}}, {"chrono", {42, 408, 95, 27}}, {"infos", {348, 413, 85, 23}},
            {"aide", {448, 413, 85, 23}}, {"quitter", {544, 413, 61, 23}}, {"texture_bille", {252, 413, 83, 23}},
            {"charger", {526, 126, 91, 29}}, {"texture_plateau", {145, 413, 91, 24}}, {"lien_site", {183, 440, 273, 18}},
            {"resultat", {156, 130, 365, 151}}};
        for (const auto& l : labels) {
            QVERIFY2(f.label(l.nom), l.nom);
            QCOMPARE(f.label(l.nom)->geometry(), l.r);
        }
        // Stacking: the overlay lies above the sprites, the sprites above the labels.
        const QObjectList& enfants = f.children();
        QVERIFY(enfants.indexOf(f.resultat_label()) > enfants.indexOf(f.repos(44)));
        QVERIFY(enfants.indexOf(f.trou(1)) > enfants.indexOf(f.label("lien_site")));
        QCOMPARE(f.label("chrono")->text(), QStringLiteral("00:00:00"));
    }

    void etat_initial()
    {
        preparer();
        TForm1 f;
        for (int i = 1; i <= 44; ++i)
            QVERIFY(f.repos(i)->montreImage());
        for (int n = 1; n <= 49; ++n)
            QVERIFY(!f.trou(n)->montreImage());
        QCOMPARE(f.label("billes_repos")->text(), QStringLiteral("0"));
        QVERIFY(f.jeu().pas_de_partie);
        QVERIFY(!f.timer1()->isActive());
        QVERIFY(QFile::exists(dir->filePath(QStringLiteral("TRL.CFG"))));
        QCOMPARE(QFile(dir->filePath(QStringLiteral("TRL.CFG"))).size(), 396);
        QCOMPARE(f.repertoire(), QDir::currentPath().toStdString() + "/");
        QCOMPARE(f.chemin_aide(), f.repertoire() + "doc.chm");
        QVERIFY(!f.skin(1).isNull());
        QCOMPARE(f.skin(1).size(), QSize(640, 462));
        QVERIFY(erreurs.empty());
    }

    // The whole current directory is the program directory, however long.
    void repertoire_long()
    {
        preparer();
        QString chemin = dir->path();
        while (chemin.size() < 300)
            chemin += QStringLiteral("/un_dossier_au_nom_plutot_long");
        QVERIFY(QDir().mkpath(chemin));
        QDir::setCurrent(chemin);
        TForm1 f;
        QCOMPARE(QString::fromStdString(f.repertoire()), chemin + QStringLiteral("/"));
        QVERIFY(QFile::exists(chemin + QStringLiteral("/TRL.CFG")));
    }

    void surcouche_et_clics()
    {
        preparer();
        TForm1 f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // A game on the default English board; no variant dialog in this test.
        f.etat_jeuxClick();
        QVERIFY(!f.jeu().pas_de_partie);
        QCOMPARE(f.label("billes_repos")->text(), QStringLiteral("32"));
        QVERIFY(f.timer1()->isActive());
        // While the overlay is disabled, the point (330, 200) belongs to hole 25.
        QCOMPARE(f.childAt(330, 200), static_cast<QWidget*>(f.trou(25)));
        // Pick hole 9, drop on hole 25, through real mouse events.
        QTest::mouseMove(f.windowHandle(), QPoint(336, 133));
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, QPoint(336, 133));
        QVERIFY(f.jeu().bille_prise());
        QCOMPARE(f.trou(9)->cursor().shape(), curseur(CUR_DEPLACE).shape());
        QTest::mouseMove(f.windowHandle(), QPoint(336, 209));
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, QPoint(336, 209));
        QVERIFY(!f.jeu().bille_prise());
        QVERIFY(!f.trou(9)->montreImage());
        QVERIFY(!f.trou(16)->montreImage());
        QVERIFY(f.trou(25)->montreImage());
        QCOMPARE(f.label("billes_repos")->text(), QStringLiteral("31"));
        QVERIFY(f.repos(13)->montreImage());
        QVERIFY(!f.repos(14)->montreImage());
        // An enabled overlay catches the pointer over its rectangle.
        f.resultat(true, "PARTIE\rTERMINEE");
        QCOMPARE(f.childAt(330, 200), static_cast<QWidget*>(f.resultat_label()));
        QCOMPARE(f.resultat_label()->text(), QStringLiteral("PARTIE\nTERMINEE"));
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, QPoint(336, 247));
        QVERIFY(f.trou(34)->montreImage());
        QVERIFY(!f.jeu().bille_prise());
        f.resultat(false, "");
        QCOMPARE(f.childAt(330, 200), static_cast<QWidget*>(f.trou(25)));
        // Stop: every marble back in the tray.
        f.etat_jeuxClick();
        QVERIFY(f.jeu().pas_de_partie);
        for (int n = 1; n <= 49; ++n)
            QVERIFY(!f.trou(n)->montreImage());
        QVERIFY(f.repos(44)->montreImage());
    }

    void textures()
    {
        preparer();
        TForm1 f;
        const QString cfg = dir->filePath(QStringLiteral("TRL.CFG"));
        f.reglages().config.set_no_texture_plateau(4);
        f.reglages().config.set_no_texture_bille(7);
        f.texture_plateauClick();
        QCOMPARE(f.reglages().config.no_texture_plateau(), 1);
        QCOMPARE(entier_fichier(cfg, 47), 1);
        QCOMPARE(f.label("plateau")->pixmap().cacheKey(), f.skin(1).cacheKey());
        f.texture_billeClick();
        QCOMPARE(f.reglages().config.no_texture_bille(), 1);
        QCOMPARE(entier_fichier(cfg, 43), 1);
        // During a game every marble, board and tray, takes the new picture.
        f.etat_jeuxClick();
        f.texture_billeClick();
        const QImage attendue = bille(1, 2).toImage();
        for (int n = 1; n <= 49; ++n)
            if (f.trou(n)->montreImage())
                QCOMPARE(f.trou(n)->pixmap().toImage(), attendue);
        for (int i = 1; i <= 12; ++i)
            QCOMPARE(f.repos(i)->pixmap().toImage(), attendue);
        f.texture_plateauClick();
        QCOMPARE(f.trou(8)->pixmap().toImage(), bille(2, 2).toImage());
        QCOMPARE(entier_fichier(cfg, 47), 2);
        // An index out of range: no new picture until a click brings it back.
        f.reglages().config.set_no_texture_plateau(9);
        f.texture_plateauClick();
        QCOMPARE(f.reglages().config.no_texture_plateau(), 1);
        f.reglages().config.set_no_texture_plateau(0);
        f.texture_plateauClick();
        QCOMPARE(f.reglages().config.no_texture_plateau(), 1);
    }

    // The skins' direct reader gives Qt's pixels in 24 bits, bottom-up or
    // top-down rows, and hands any other bitmap to Qt's reader.
    void bmp_direct()
    {
        const QString p1 = QStringLiteral(TRELMO_RUN_DIR "/Image/Skin/p1.bmp");
        const QImage attendue = QImage(p1).convertToFormat(QImage::Format_RGB888);
        QCOMPARE(lire_bmp(p1), attendue);
        QTemporaryDir d;
        QFile f(p1);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray octets = f.readAll();
        // The same picture stored top down (negative height), rows flipped.
        const int hauteur = attendue.height(), ligne = (attendue.width() * 3 + 3) & ~3, debut = 54;
        QByteArray inverse = octets;
        for (int y = 0; y < hauteur; ++y)
            std::memcpy(inverse.data() + debut + y * ligne, octets.constData() + debut + (hauteur - 1 - y) * ligne, ligne);
        const int32_t h = -hauteur;
        std::memcpy(inverse.data() + 22, &h, 4);
        QFile g(d.filePath(QStringLiteral("inverse.bmp")));
        QVERIFY(g.open(QIODevice::WriteOnly) && g.write(inverse) == inverse.size());
        g.close();
        QCOMPARE(lire_bmp(g.fileName()), attendue);
        // Cut short: nothing rather than garbage; an 8-bit bitmap goes through Qt.
        QFile c(d.filePath(QStringLiteral("court.bmp")));
        QVERIFY(c.open(QIODevice::WriteOnly) && c.write(octets.left(5000)) == 5000);
        c.close();
        QVERIFY(lire_bmp(c.fileName()).isNull());
        QImage huit = attendue.convertToFormat(QImage::Format_Indexed8);
        QVERIFY(huit.save(d.filePath(QStringLiteral("huit.bmp")), "BMP"));
        QCOMPARE(lire_bmp(d.filePath(QStringLiteral("huit.bmp"))).convertToFormat(QImage::Format_RGB32),
                 huit.convertToFormat(QImage::Format_RGB32));
        // The skin on show keeps those 24 bits in its pixmap.
        preparer(0);
        TForm1 w;
        QCOMPARE(w.skin(1).toImage(), attendue);
        QVERIFY(lire_bmp(d.filePath(QStringLiteral("absent.bmp"))).isNull());
    }

    // The skin read beside the start-up is the one the settings hold, and
    // the window takes it from there; it is handed out once.
    void skin_preparee_au_demarrage()
    {
        preparer();
        const std::string rep = QDir::currentPath().toStdString() + "/";
        {
            Reglages r(rep);
            r.recharger();
            r.config.set_no_texture_plateau(3);
            r.enregistrer();
        }
        lancer_preparation(rep);
        attendre_polices();
        TForm1 f;
        QCOMPARE(f.reglages().config.no_texture_plateau(), 3);
        QCOMPARE(f.skin(3).toImage(), lire_bmp(QString::fromStdString(chemin_skin(rep, 3))));
        QVERIFY(skin_preparee(chemin_skin(rep, 3)).isNull());
    }

    void skin_illisible()
    {
        preparer(3);
        TForm1 f;
        QCOMPARE(erreurs.size(), size_t(1));
        QVERIFY(QString::fromStdString(erreurs[0]).contains(QStringLiteral("p3.bmp")));
        QVERIFY(f.skin(3).isNull());
        QVERIFY(!f.skin(4).isNull());
        // The game goes on; the missing skin shows an empty board, the others still work.
        f.reglages().config.set_no_texture_plateau(2);
        f.texture_plateauClick();
        QCOMPARE(f.reglages().config.no_texture_plateau(), 3);
        f.texture_plateauClick();
        QCOMPARE(f.label("plateau")->pixmap().cacheKey(), f.skin(4).cacheKey());
    }

    // The close request: the about window and the web site unless the box is
    // ticked, the preference stored, and the close never refused.
    void fermeture()
    {
        preparer();
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString ini = config.filePath(QStringLiteral("trelmo.ini"));
        auto lire_ini = [&] {
            QFile f(ini);
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        std::vector<QUrl> ouverts;
        definir_ouvreur([&](const QUrl& u) { ouverts.push_back(u); });
        TForm1 f;
        TFreewareMsg about;
        f.setDialogues(&about, nullptr, nullptr, nullptr);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(about.softName(), QStringLiteral("TRELMO 3.01"));
        QVERIFY(!about.afficher());   // no INI file yet

        // Not ticked: the about window, then the web site once it has closed.
        int montre = 0;
        bool site_avant = false;
        QTimer::singleShot(0, &about, [&] {
            montre += about.isVisible();
            site_avant = !ouverts.empty();
            about.tf2Click();
        });
        QVERIFY(f.close());
        QCOMPARE(montre, 1);
        QVERIFY(!site_avant);
        QCOMPARE(ouverts.size(), size_t(1));
        QVERIFY(lire_ini().contains(QStringLiteral("[Propriétés]")));
        QVERIFY(lire_ini().contains(QStringLiteral("apropos=0")));

        // Ticked during the showing at exit: the site still opens this time.
        f.show();
        QTimer::singleShot(0, &about, [&] {
            about.setAfficher(true);
            about.tf2Click();
        });
        QVERIFY(f.close());
        QCOMPARE(ouverts.size(), size_t(2));
        QVERIFY(lire_ini().contains(QStringLiteral("apropos=1")));

        // Ticked: nothing shown, nothing opened.
        f.show();
        montre = 0;
        QTimer::singleShot(0, &about, [&] { montre += about.isVisible(); about.tf2Click(); });
        QVERIFY(f.close());
        QCoreApplication::processEvents();
        QCOMPARE(montre, 0);
        QCOMPARE(ouverts.size(), size_t(2));

        // Ticked from the infos command, then quit: silent, and stored.
        about.setAfficher(false);
        f.show();
        QTimer::singleShot(0, &about, [&] { about.setAfficher(true); about.tf2Click(); });
        f.infosClick();
        QVERIFY(f.close());
        QCOMPARE(ouverts.size(), size_t(2));
        QVERIFY(lire_ini().contains(QStringLiteral("apropos=1")));

        // A preference that cannot be written: the error is shown once and the
        // program still ends.
        QFile bouchon(config.filePath(QStringLiteral("fichier")));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();
        qputenv("XDG_CONFIG_HOME", bouchon.fileName().toUtf8());
        erreurs.clear();
        f.show();
        QVERIFY(f.close());
        QCOMPARE(erreurs.size(), size_t(1));
        QCOMPARE(erreurs[0], std::string("Impossible d'écrire dans trelmo.ini."));
        definir_ouvreur({});
        qputenv("XDG_CONFIG_HOME", QDir::tempPath().toUtf8() + "/trelmo-test-config");
    }

    // The texts of the first showing, in German.
    void textes_allemands()
    {
        preparer();
        qputenv("LC_ALL", "de_DE.UTF-8");
        TForm1 f;
        qunsetenv("LC_ALL");
        QCOMPARE(f.langue(), 2);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.label("etat_jeux")->text(), QStringLiteral("Neue\nPartie"));
        QCOMPARE(f.label("quitter")->text(), QStringLiteral("Beenden"));
        QVERIFY(f.label("quitter")->toolTip().isEmpty());
        QCOMPARE(f.label("infos")->toolTip(), QStringLiteral("Über Trelmo"));
        for (const char* nom : {"charger", "sauver", "scores"})
            QCOMPARE(f.label(nom)->font().pixelSize(), 13);
        QCOMPARE(f.label("texture_plateau")->font().pixelSize(), 13);
        QCOMPARE(f.jeu().textes.gagne, std::string("BEGLÜCKWÜNSCHUNG !!"));
        f.etat_jeuxClick();
        QCOMPARE(f.label("etat_jeux")->text(), QStringLiteral("Partie\nbeenden"));
        QCOMPARE(f.label("etat_jeux")->toolTip(), QStringLiteral("Laufende Partie beenden"));
        f.hide();
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
