// The balloon drawn for screens of more than one device pixel to a window pixel.
#include "widgets/dessin_bulle.h"

#include <QtTest>

#include <cmath>

using namespace trelmo;

namespace {

// The game's balloon, 423 x 124 window pixels, with a line of text.
THintSettings jeu()
{
    THintSettings h;
    h.font.Name = QStringLiteral("Liberation Sans");
    h.W = 423;
    h.H = 124;
    h.TH = 18;
    h.text = QStringLiteral("Loading the last game saved");
    return h;
}

QImage fond(QSize s)
{
    QImage i(s, QImage::Format_RGB32);
    i.fill(qRgb(90, 120, 60));
    return i;
}

double ecart(const QImage& a, const QImage& b)
{
    double somme = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return somme / (3.0 * 255.0 * a.width() * a.height());
}

} // namespace

class TestBulleEcran : public QObject {
    Q_OBJECT
private slots:
    void ratio_un_est_le_dessin_d_aujourd_hui()
    {
        for (int pl = hiTopRight; pl <= hiBottomLeft; ++pl) {
            THintSettings h = jeu();
            h.placement = THintPosition(pl);
            QImage a = fond(QSize(h.W, h.H)), b = a;
            DrawHint(a, h);
            DrawHintAt(b, h, 1.0);
            QCOMPARE(b, a);
        }
    }

    // At 200 % the balloon fills the same place with twice the pixels: brought
    // back to 100 % it is the 100 % balloon, and it differs from that balloon
    // enlarged (smooth edges, finer text).
    void ratio_deux_plus_fin()
    {
        for (int pl = hiTopRight; pl <= hiBottomLeft; ++pl) {
            THintSettings h = jeu();
            h.placement = THintPosition(pl);
            QImage un = fond(QSize(h.W, h.H));
            DrawHint(un, h);
            QImage deux = fond(QSize(2 * h.W, 2 * h.H));
            DrawHintAt(deux, h, 2.0);
            QCOMPARE(deux.size(), QSize(846, 248));
            const double reduit = ecart(deux.scaled(un.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), un);
            const double agrandi = ecart(deux, un.scaled(deux.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            const QString ctx = QStringLiteral("placement %1: %2 %3").arg(pl).arg(reduit).arg(agrandi);
            QVERIFY2(reduit < 0.02, qPrintable(ctx));
            QVERIFY2(agrandi > 1.5 * reduit, qPrintable(ctx));
        }
    }

    // The silver border stays one window pixel wide: two device pixels at 200 %.
    void bordure_d_un_pixel_de_fenetre()
    {
        THintSettings h = jeu();
        h.text.clear();
        h.placement = hiBottomRight;
        QImage un = fond(QSize(h.W, h.H));
        DrawHint(un, h);
        QImage deux = fond(QSize(2 * h.W, 2 * h.H));
        DrawHintAt(deux, h, 2.0);
        // The ellipse's left end, on its middle row.
        const int y1 = h.L + (h.H - h.L - h.shadowWidth) / 2, y2 = 2 * y1;
        QCOMPARE(un.pixel(0, y1), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(un.pixel(1, y1), qRgb(0xFF, 0xFF, 0xFF));
        QCOMPARE(deux.pixel(0, y2), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(deux.pixel(1, y2), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(deux.pixel(2, y2), qRgb(0xFF, 0xFF, 0xFF));
    }
};

QTEST_MAIN(TestBulleEcran)
#include "tst_bulle_ecran.moc"
