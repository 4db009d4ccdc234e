// The four skins in the program directory: format, holes under every sprite,
// plates under the labels, and marble pictures that blend in on every hole.
#include "resources/ressources.h"
#include "bmp.h"

#include <QColor>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace trelmo;

namespace {

// Sprite corners from the window's column and row tables.
std::vector<QPoint> coins_trous()
{
    const int gauche[] = {180, 216, 252, 289, 326, 361, 398, 435, 471};
    const int haut[] = {46, 84, 122, 160, 198, 236, 274, 312, 350};
    const int premiere[] = {4, 4, 3, 1, 1, 1, 3, 4, 4};
    const int derniere[] = {6, 6, 7, 9, 9, 9, 7, 6, 6};
    std::vector<QPoint> p;
    for (int r = 0; r < 9; ++r)
        for (int c = premiere[r]; c <= derniere[r]; ++c)
            p.emplace_back(gauche[c - 1], haut[r]);
    return p;
}

std::vector<QPoint> coins_repos()
{
    const int gauche[] = {23, 56, 88, 121, 154};
    const int haut[] = {29, 68, 105, 143, 180, 218, 256, 294, 333, 369};
    std::vector<QPoint> p;
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < ((r >= 2 && r <= 7) ? 4 : 5); ++c)
            p.emplace_back(gauche[c], haut[r]);
    return p;
}

// Mean luminance of the pixels whose distance to (cx, cy) lies in [r0, r1).
double anneau(const QImage& im, double cx, double cy, double r0, double r1)
{
    double s = 0;
    int n = 0;
    for (int y = int(cy - r1) - 1; y <= int(cy + r1) + 1; ++y)
        for (int x = int(cx - r1) - 1; x <= int(cx + r1) + 1; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d >= r0 && d < r1) {
                s += qGray(im.pixel(x, y));
                ++n;
            }
        }
    return s / n;
}

double luminance(const QImage& im, const QRect& r)
{
    double s = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            s += qGray(im.pixel(x, y));
    return s / (r.width() * r.height());
}

QImage peau(int s)
{
    return QImage(QStringLiteral(TRELMO_SKIN_DIR "/p%1.bmp").arg(s)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPeaux : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initialiser_ressources();
        QCOMPARE(coins_trous().size(), size_t(49));
        QCOMPARE(coins_repos().size(), size_t(44));
    }

    void format()
    {
        for (int s = 1; s <= 4; ++s) {
            const QString nom = QStringLiteral(TRELMO_SKIN_DIR "/p%1.bmp").arg(s);
            const EnteteBmp e = entete_bmp(nom);
            QVERIFY2(e.valide, qPrintable(nom));
            QCOMPARE(e.largeur, 640);
            QCOMPARE(e.hauteur, 462);
            QCOMPARE(e.bits, 24);
            QCOMPARE(e.compression, 0);
            QImage image;
            QVERIFY(image.load(nom, "BMP"));
            QCOMPARE(image.size(), QSize(640, 462));
        }
        QVERIFY(peau(1) != peau(2) && peau(2) != peau(3) && peau(3) != peau(4));
    }

    void teintes()
    {
        // 1 orange-brown, 2 olive green, 3 grey, 4 reddish brown: the mean
        // colour of the board around the central hole.
        for (int s = 1; s <= 4; ++s) {
            const QImage im = peau(s);
            long r = 0, g = 0, b = 0, n = 0;
            for (int y = 175; y < 245; ++y)
                for (int x = 305; x < 370; ++x) {
                    const QRgb c = im.pixel(x, y);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    ++n;
                }
            const QColor c(int(r / n), int(g / n), int(b / n));
            const int h = c.hsvHue(), sat = c.hsvSaturation();
            const QString info = QStringLiteral("skin %1 hue %2 sat %3").arg(s).arg(h).arg(sat);
            switch (s) {
            case 1: QVERIFY2(h >= 15 && h <= 40 && sat > 100, qPrintable(info)); break;
            case 2: QVERIFY2(h >= 55 && h <= 85 && sat > 90, qPrintable(info)); break;
            case 3: QVERIFY2(sat < 30, qPrintable(info)); break;
            case 4: QVERIFY2((h <= 18 || h >= 345) && sat > 100, qPrintable(info)); break;
            }
        }
    }

    void trous()
    {
        // A dark recess centred where the marble picture's middle falls
        // (10.5, 11 from the sprite's corner), lighter board all around it.
        for (int s = 1; s <= 4; ++s) {
            const QImage im = peau(s);
            std::vector<QPoint> coins = coins_trous();
            const std::vector<QPoint> bac = coins_repos();
            coins.insert(coins.end(), bac.begin(), bac.end());
            for (const QPoint& c : coins) {
                const double cx = c.x() + 10.5, cy = c.y() + 11.0;
                const double creux = anneau(im, cx, cy, 0, 6);
                const double autour = anneau(im, cx, cy, 13.5, 16.5);
                const QString info = QStringLiteral("skin %1 sprite %2,%3: %4 vs %5")
                                         .arg(s).arg(c.x()).arg(c.y()).arg(creux).arg(autour);
                QVERIFY2(creux < 0.75 * autour, qPrintable(info));
                // Centred: the centroid of the darkness lies at the centre
                // (the shadowed upper-left wall pulls it 1.5 pixels that way).
                double sx = 0, sy = 0, sp = 0;
                for (int y = int(cy) - 13; y <= int(cy) + 13; ++y)
                    for (int x = int(cx) - 13; x <= int(cx) + 13; ++x) {
                        const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                        if (std::hypot(dx, dy) > 13)
                            continue;
                        const double poids = std::max(0.0, autour - qGray(im.pixel(x, y)));
                        sx += poids * dx;
                        sy += poids * dy;
                        sp += poids;
                    }
                QVERIFY2(std::hypot(sx / sp + 1.5, sy / sp + 1.5) < 1.0,
                         qPrintable(info + QStringLiteral(" centroid %1,%2").arg(sx / sp).arg(sy / sp)));
            }
        }
    }

    void plaques()
    {
        struct Label {
            QRect r;
            bool claire;
        };
        const Label labels[] = {
            {{478, 40, 137, 44}, true},  {{480, 336, 133, 55}, true}, {{42, 408, 95, 27}, true},
            {{145, 413, 91, 24}, true},  {{252, 413, 83, 23}, true},  {{348, 413, 85, 23}, true},
            {{448, 413, 85, 23}, true},  {{526, 126, 91, 29}, false}, {{526, 192, 91, 29}, false},
            {{526, 266, 91, 29}, false}, {{544, 413, 61, 23}, false},
        };
        for (int s = 1; s <= 4; ++s) {
            const QImage im = peau(s);
            for (const Label& l : labels) {
                const double v = luminance(im, l.r);
                const QString info = QStringLiteral("skin %1 label %2,%3: %4").arg(s).arg(l.r.x()).arg(l.r.y()).arg(v);
                if (l.claire)
                    QVERIFY2(v > 180, qPrintable(info));
                else
                    QVERIFY2(v < 80, qPrintable(info));
                // The plate covers the label and reaches a little beyond its top.
                QVERIFY2(l.claire ? luminance(im, QRect(l.r.left(), l.r.top() - 1, l.r.width(), 1)) > 150
                                  : luminance(im, QRect(l.r.left(), l.r.top() - 1, l.r.width(), 1)) < 100,
                         qPrintable(info));
            }
        }
    }

    void billes_sur_trous()
    {
        // Drawn on any hole or tray sprite of its skin, a marble picture
        // blends in: the pixels outside the marble match the skin.
        for (int s = 1; s <= 4; ++s) {
            const QImage im = peau(s);
            std::vector<QPoint> coins = coins_trous();
            const std::vector<QPoint> bac = coins_repos();
            coins.insert(coins.end(), bac.begin(), bac.end());
            for (int m = 1; m <= 7; ++m) {
                const QImage b = bille(s, m).toImage().convertToFormat(QImage::Format_RGB32);
                for (const QPoint& c : coins) {
                    double ecart = 0;
                    int n = 0;
                    for (int y = 0; y < 22; ++y)
                        for (int x = 0; x < 21; ++x) {
                            if (std::hypot(x + 0.5 - 10.5, y + 0.5 - 11.0) < 11.5)
                                continue;
                            const QRgb p = b.pixel(x, y), q = im.pixel(c.x() + x, c.y() + y);
                            ecart += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
                            n += 3;
                        }
                    QVERIFY2(ecart / n < 6.0, qPrintable(QStringLiteral("bille%1%2 at %3,%4: %5")
                                                               .arg(s).arg(m).arg(c.x()).arg(c.y()).arg(ecart / n)));
                }
                // A marble of another skin does not match this one.
                const int autre = s % 4 + 1;
                const QImage ba = bille(autre, m).toImage().convertToFormat(QImage::Format_RGB32);
                double ecart = 0;
                for (QPoint p : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 21), QPoint(20, 21)}) {
                    const QRgb a = ba.pixel(p), q = im.pixel(coins_trous()[24] + p);
                    ecart += qAbs(qRed(a) - qRed(q)) + qAbs(qGreen(a) - qGreen(q)) + qAbs(qBlue(a) - qBlue(q));
                }
                QVERIFY(ecart / 12 > 15);
            }
        }
    }
};

QTEST_MAIN(TestPeaux)
#include "tst_peaux.moc"
