// trelmo_artgen: writes the game's pictures.
//
//   trelmo_artgen peaux <dir>        p1.bmp ... p4.bmp (640 x 462, 24-bit BMP)
//   trelmo_artgen ressources <dir>   marbles, cursors, icon and the small pictures;
//                                    beside them name@<k>x.<ext> drawn for k device
//                                    pixels to a window pixel (k = 1.25, 1.5, 2, 3),
//                                    and the skins p1@<k>x.png ... p4@<k>x.png up to k = 2
//   trelmo_artgen peaux@<k> <dir>    p1@<k>x.png ... p4@<k>x.png, the skins drawn for k
//   trelmo_artgen icones <dir>       <n>x<n>/trelmo.png for the desktop's icon theme
//   trelmo_artgen apercu <dir>       PNG previews of everything, as the game shows it
#include "art.h"
#include "geometrie.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <stdexcept>

using namespace trelmo::art;

namespace {

// qualite: -1 the format's default; 0 for PNG, the smallest file.
void ecrit(const QImage& image, const QString& chemin, const char* format, int qualite = -1)
{
    const QFileInfo info(chemin);
    if (!QDir().mkpath(info.absolutePath()) || !image.save(chemin, format, qualite))
        throw std::runtime_error("cannot write " + chemin.toStdString());
}

// "" at k = 1, else "@1.5x" and the like: what the name of a picture drawn
// for k carries before its extension.
QString suffixe(float k)
{
    return k == 1.f ? QString() : QStringLiteral("@%1x").arg(static_cast<double>(k));
}

void peaux(const QString& dir)
{
    for (int s = 1; s <= 4; ++s)
        ecrit(peau(s).image, dir + QStringLiteral("/p%1.bmp").arg(s), "BMP");
}

// The skins drawn for k device pixels to a window pixel, as PNG.
void peaux_echelle(const QString& dir, float k)
{
    for (int s = 1; s <= 4; ++s)
        ecrit(peau(s, k).image, dir + QStringLiteral("/p%1%2.png").arg(s).arg(suffixe(k)), "PNG", 0);
}

struct Tout {
    Peau p[4];
    explicit Tout(float k = 1.f)
    {
        for (int s = 1; s <= 4; ++s)
            p[s - 1] = peau(s, k);
    }
};

void ecrit_curseur(const Curseur& c, const QString& chemin) { ecrit(c.image, chemin, "PNG"); }

// The pictures drawn for k device pixels to a window pixel (k != 1).
void ressources_echelle(const QString& dir, float k)
{
    const Tout tout(k);
    const QString x = suffixe(k);
    for (int s = 1; s <= 4; ++s)
        for (int m = 1; m <= 7; ++m)
            ecrit(bille(tout.p[s - 1].fond_bille, m, k), dir + QStringLiteral("/bille%1%2%3.bmp").arg(s).arg(m).arg(x), "BMP");
    // The window icon at its two sizes, 32 and 16 window pixels.
    for (int n : {32, 16})
        ecrit(icone(static_cast<int>(std::lround(n * k))), dir + QStringLiteral("/icone%1%2.png").arg(n).arg(x), "PNG");
    ecrit(titre_splash(k), dir + QStringLiteral("/titre%1.bmp").arg(x), "BMP");
    ecrit(cliquez_ici(k), dir + QStringLiteral("/cliquez_ici%1.bmp").arg(x), "BMP");
    ecrit(granite(k), dir + QStringLiteral("/granite%1.bmp").arg(x), "BMP");
    ecrit(bille_verte(k), dir + QStringLiteral("/bille_verte%1.png").arg(x), "PNG");
    ecrit_curseur(curseur_main(k), dir + QStringLiteral("/main%1.png").arg(x));
    ecrit_curseur(curseur_deplace(k), dir + QStringLiteral("/deplace%1.png").arg(x));
    ecrit_curseur(curseur_impossible(k), dir + QStringLiteral("/impossible%1.png").arg(x));
    ecrit_curseur(curseur_tophand(k), dir + QStringLiteral("/TopHand_D%1.png").arg(x));
    // The skins up to twice the window's size; larger ones would weigh more
    // than all the rest.
    if (k <= 2.f)
        for (int s = 1; s <= 4; ++s)
            ecrit(tout.p[s - 1].image, dir + QStringLiteral("/p%1%2.png").arg(s).arg(x), "PNG", 0);
}

void ressources(const QString& dir, const Tout& tout)
{
    for (float k : echelles)
        ressources_echelle(dir, k);
    for (int s = 1; s <= 4; ++s)
        for (int m = 1; m <= 7; ++m)
            ecrit(bille(tout.p[s - 1].fond_bille, m), dir + QStringLiteral("/bille%1%2.bmp").arg(s).arg(m), "BMP");
    ecrit_curseur(curseur_main(), dir + QStringLiteral("/main.png"));
    ecrit_curseur(curseur_deplace(), dir + QStringLiteral("/deplace.png"));
    ecrit_curseur(curseur_impossible(), dir + QStringLiteral("/impossible.png"));
    ecrit_curseur(curseur_tophand(), dir + QStringLiteral("/TopHand_D.png"));
    ecrit(icone_16_couleurs(), dir + QStringLiteral("/icone.png"), "PNG");
    // The sizes window managers draw a window's icon at; the larger ones
    // are the desktop's, written by "icones".
    for (int n : {16, 48})
        ecrit(icone(n), dir + QStringLiteral("/icone%1.png").arg(n), "PNG");
    ecrit(titre_splash(), dir + QStringLiteral("/titre.bmp"), "BMP");
    ecrit(cliquez_ici(), dir + QStringLiteral("/cliquez_ici.bmp"), "BMP");
    ecrit(granite(), dir + QStringLiteral("/granite.bmp"), "BMP");
    ecrit(bille_verte(), dir + QStringLiteral("/bille_verte.png"), "PNG");
}

void icones(const QString& dir)
{
    for (int n : {16, 32, 48, 64, 128, 256})
        ecrit(icone(n), dir + QStringLiteral("/%1x%1/trelmo.png").arg(n), "PNG");
}

QImage agrandi(const QImage& i, int k)
{
    return i.convertToFormat(QImage::Format_ARGB32).scaled(i.size() * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The window as the game shows it: skin, marbles on holes and in the tray, sample captions.
QImage fenetre(const Tout& tout, int s, int m0)
{
    QImage image = tout.p[s - 1].image.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    const auto t = trous();
    for (size_t n = 0; n < t.size(); ++n)
        if (n != 24 && n % 5 != 3)
            p.drawImage(t[n], bille(tout.p[s - 1].fond_bille, static_cast<int>((n + m0) % 7) + 1));
    const auto r = repos();
    for (size_t i = 0; i < 20; ++i)
        p.drawImage(r[i], bille(tout.p[s - 1].fond_bille, m0 % 7 + 1));
    auto texte = [&](QRect rect, const QString& famille, int px, QColor c, const QString& s2) {
        QFont f(famille);
        f.setPixelSize(px);
        f.setBold(true);
        p.setFont(f);
        p.setPen(c);
        p.drawText(rect, Qt::AlignHCenter | Qt::AlignTop, s2);
    };
    const QString verdana = QStringLiteral("DejaVu Sans"), arial = QStringLiteral("Liberation Sans");
    texte(QRect(478, 40, 137, 44), arial, 37, Qt::black, QStringLiteral("27"));
    texte(QRect(480, 336, 133, 55), verdana, 17, Qt::black, QStringLiteral("Nouvelle\npartie"));
    texte(QRect(526, 192, 91, 29), verdana, 17, Qt::white, QStringLiteral("Sauver"));
    texte(QRect(526, 266, 91, 29), verdana, 17, Qt::white, QStringLiteral("Scores"));
    texte(QRect(526, 126, 91, 29), verdana, 17, Qt::white, QStringLiteral("Charger"));
    texte(QRect(42, 408, 95, 27), arial, 24, Qt::black, QStringLiteral("00:03:17"));
    texte(QRect(348, 413, 85, 23), verdana, 13, Qt::black, QStringLiteral("Infos"));
    texte(QRect(448, 413, 85, 23), verdana, 13, Qt::black, QStringLiteral("Aide"));
    texte(QRect(544, 413, 61, 23), verdana, 12, Qt::white, QStringLiteral("Quitter"));
    texte(QRect(252, 413, 83, 23), verdana, 13, Qt::black, QStringLiteral("Billes"));
    texte(QRect(145, 413, 91, 24), verdana, 13, Qt::black, QStringLiteral("Plateau"));
    texte(QRect(185, 442, 273, 18), verdana, 16, Qt::black, QStringLiteral("trelmo.example.org"));
    texte(QRect(183, 440, 273, 18), verdana, 16, Qt::yellow, QStringLiteral("trelmo.example.org"));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 638, 460));
    return image;
}

void apercu(const QString& dir, const Tout& tout)
{
    for (int s = 1; s <= 4; ++s) {
        ecrit(fenetre(tout, s, s - 1), dir + QStringLiteral("/skin%1.png").arg(s), "PNG");
        ecrit(tout.p[s - 1].image, dir + QStringLiteral("/nu%1.png").arg(s), "PNG");
    }
    QImage feuille(7 * 21 * 4 + 8 * 6, 4 * 22 * 4 + 5 * 6, QImage::Format_RGB32);
    feuille.fill(QColor(60, 60, 60));
    {
        QPainter p(&feuille);
        for (int s = 1; s <= 4; ++s)
            for (int m = 1; m <= 7; ++m)
                p.drawImage(6 + (m - 1) * (84 + 6), 6 + (s - 1) * (88 + 6),
                            agrandi(bille(tout.p[s - 1].fond_bille, m), 4));
    }
    ecrit(feuille, dir + QStringLiteral("/billes.png"), "PNG");
    QImage curseurs(4 * (32 * 8 + 8) + 8, 32 * 8 + 16, QImage::Format_RGB32);
    curseurs.fill(QColor(140, 170, 140));
    {
        QPainter p(&curseurs);
        const Curseur c[4] = {curseur_main(), curseur_deplace(), curseur_impossible(), curseur_tophand()};
        for (int i = 0; i < 4; ++i) {
            const int x0 = 8 + i * (32 * 8 + 8);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    if ((x + y) % 2)
                        p.fillRect(x0 + x * 8, 8 + y * 8, 8, 8, QColor(120, 150, 120));
            p.drawImage(x0, 8, agrandi(c[i].image, 8));
            p.setPen(Qt::red);
            p.drawRect(x0 + c[i].point.x() * 8, 8 + c[i].point.y() * 8, 7, 7);
        }
    }
    ecrit(curseurs, dir + QStringLiteral("/curseurs.png"), "PNG");
    QImage divers(700, 420, QImage::Format_RGB32);
    divers.fill(QColor(200, 200, 200));
    {
        QPainter p(&divers);
        int x = 10;
        for (int n : {16, 32, 48, 64, 128, 256}) {
            p.drawImage(x, 10, icone(n));
            x += n + 10;
        }
        p.drawImage(10, 280, agrandi(icone_16_couleurs(), 4));
        p.drawImage(150, 280, titre_splash());
        p.drawImage(150, 340, cliquez_ici());
        p.drawImage(360, 280, agrandi(titre_splash(), 2));
        p.drawImage(400, 380 - 100, granite());
        p.drawImage(496, 280, granite());
        p.drawImage(400, 376, granite());
        p.drawImage(600, 300, agrandi(bille_verte(), 4));
    }
    ecrit(divers, dir + QStringLiteral("/divers.png"), "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: trelmo_artgen peaux|ressources|icones|apercu <directory>\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]), dir = QString::fromLocal8Bit(argv[2]);
    try {
        if (mode == QLatin1String("peaux"))
            peaux(dir);
        else if (mode.startsWith(QLatin1String("peaux@")))
            peaux_echelle(dir, mode.mid(6).toFloat());
        else if (mode == QLatin1String("ressources"))
            ressources(dir, Tout());
        else if (mode == QLatin1String("icones"))
            icones(dir);
        else if (mode == QLatin1String("apercu"))
            apercu(dir, Tout());
        else {
            std::fprintf(stderr, "trelmo_artgen: unknown mode %s\n", argv[1]);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trelmo_artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
