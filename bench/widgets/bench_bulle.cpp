// Draws the main window's balloon (bubble, arrow, shadow 5, intensity 35,
// quHi, 423 x 124) with the scanline shading of the widgets library and with
// a straightforward reference that reads, tests and writes one pixel at a
// time (QImage::pixel / setPixel and QRegion::contains). Exits non-zero when
// the two pictures differ; prints both times per balloon and their ratio.
//
//   bench_bulle [--iterations N]     (N fast runs; the reference runs N / 10 + 1)
//   bench_bulle --png FILE           also writes a few balloons over a texture
#include "widgets/dessin_bulle.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>

using namespace trelmo;

namespace {

QRgb shifted(QRgb p, int intensity)
{
    const TColor c = ShiftColor(RGBColor(qRed(p), qGreen(p), qBlue(p)), -intensity);
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

bool scanned(int x, int y, TQuality q)
{
    return q == quHi || (q == quLow && (x + y) % 2 == 0);
}

void referenceShade(QImage& img, const QRect& R, const TRegion& region, TQuality q, int intensity)
{
    const QRegion rgn = region.toQRegion();
    for (int x = R.left(); x <= R.right(); ++x)
        for (int y = R.top(); y <= R.bottom(); ++y)
            if (img.valid(x, y) && scanned(x, y, q) && rgn.contains(QPoint(x, y)))
                img.setPixel(x, y, shifted(img.pixel(x, y), intensity));
}

void referenceShadeExcept(QImage& img, const QRect& R, const TRegion& region,
                          const TRegion& excluded, TQuality q, int intensity)
{
    const QRegion rgn = region.toQRegion();
    const QRegion out = excluded.toQRegion();
    for (int x = R.left(); x <= R.right(); ++x)
        for (int y = R.top(); y <= R.bottom(); ++y)
            if (img.valid(x, y) && scanned(x, y, q) && rgn.contains(QPoint(x, y))
                && !out.contains(QPoint(x, y)))
                img.setPixel(x, y, shifted(img.pixel(x, y), intensity));
}

QImage background(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(40 + (x * 7 + y) % 200, 30 + (y * 5 + x * 3) % 200, 120));
    return img;
}

struct Result {
    QImage image;
    double msPerBalloon = 0;
};

Result run(int iterations, const TShading& shading)
{
    const int W = 423, H = 124;
    const QImage bg = background(W, H);
    TFontData font;
    font.Name = QStringLiteral("Arial");
    font.Size = 10;
    const QString text = QStringLiteral(
        "Commencer une nouvelle partie : choisir le plateau anglais, français ou impossible");
    Result r;
    qint64 total = 0;
    for (int i = -2; i < iterations; ++i) {   // two warm-up runs
        QImage img = bg;
        img.detach();
        QElapsedTimer t;
        t.start();
        DrawHint(img, {.font = font, .W = W, .H = H, .TH = 18, .fillColor = clWhite, .text = text,
            .placement = hiTopRight, .style = hiBubble, .link = liArrow, .L = 15, .shadow = true,
            .quality = quHi, .shadowWidth = 5, .intensity = 35, .picture = QImage(),
            .border = true, .borderColor = clSilver}, shading);
        const qint64 ns = t.nsecsElapsed();
        if (i >= 0)
            total += ns;
        r.image = img;
    }
    r.msPerBalloon = double(total) / 1e6 / iterations;
    return r;
}

// A few balloons of several styles drawn over a textured background, each
// over a copy of what lies beneath it, as the balloon window does.
QImage showcase()
{
    QImage page(900, 420, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const int grain = int(18 * std::sin(x * 0.05 + std::sin(y * 0.03) * 4))
                            + (x * 13 + y * 7) % 9;
            page.setPixel(x, y, qRgb(150 + grain, 110 + grain, 70 + grain / 2));
        }
    QImage granite(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const int v = 110 + (x * 37 + y * 91 + x * y) % 60;
            granite.setPixel(x, y, qRgb(v, v, v + 5));
        }
    TFontData font;
    font.Name = QStringLiteral("Arial");
    struct Balloon {
        QPoint at;
        int W, H, L;
        THintStyle style;
        TLinkStyle link;
        THintPosition place;
        TQuality quality;
        QString text;
    };
    const Balloon list[] = {
        {{20, 20}, 208, 70, 15, hiBubble, liArrow, hiTopRight, quHi,
         QStringLiteral("Commencer une nouvelle partie")},
        {{300, 20}, 190, 48, 20, hiRoundrect, liBubble, hiTopLeft, quHi,
         QStringLiteral("Sauver la partie en cours")},
        {{560, 20}, 220, 48, 15, hiRectangle, liArrow, hiTopRight, quLow,
         QStringLiteral("Changer la texture du plateau")},
        {{20, 170}, 423, 124, 15, hiBubble, liArrow, hiBottomRight, quHi,
         QStringLiteral("Une bulle large : le texte de l'aide est coupé aux mots et "
                        "reste centré verticalement dans l'ellipse & ses lignes")},
        {{480, 170}, 200, 60, 10, hiTexture, liNone, hiBottomLeft, quHi,
         QStringLiteral("Texture de granit")},
        {{700, 170}, 160, 40, 10, hiText, liNone, hiTopRight, quHi,
         QStringLiteral("Texte seul sur fond assombri")},
        {{480, 300}, 260, 60, 20, hiBubble, liBubble, hiBottomLeft, quHi,
         QStringLiteral("Bulles de pensée")},
    };
    for (const Balloon& b : list) {
        QImage beneath = page.copy(QRect(b.at, QSize(b.W, b.H)));
        DrawHint(beneath, {.font = font, .W = b.W, .H = b.H, .TH = 18, .fillColor = clWhite,
            .text = b.text, .placement = b.place, .style = b.style, .link = b.link, .L = b.L,
            .shadow = true, .quality = b.quality, .shadowWidth = 5, .intensity = 35,
            .picture = granite, .border = true, .borderColor = clSilver});
        for (int y = 0; y < b.H; ++y)
            for (int x = 0; x < b.W; ++x)
                page.setPixel(b.at.x() + x, b.at.y() + y, beneath.pixel(x, y));
    }
    return page;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    int iterations = 200;
    const char* png = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--iterations") == 0)
            iterations = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--png") == 0)
            png = argv[i + 1];
    }
    if (png && !showcase().save(QString::fromLocal8Bit(png))) {
        std::fprintf(stderr, "bench_bulle: cannot write %s\n", png);
        return 1;
    }

    const Result fast = run(iterations, TShading{});
    const Result ref = run(iterations / 10 + 1, TShading{referenceShade, referenceShadeExcept});
    if (fast.image != ref.image) {
        std::fprintf(stderr, "bench_bulle: the two pictures differ\n");
        return 1;
    }
    std::printf("balloon 423 x 124 (bubble, arrow, shadow 5, intensity 35, quHi)\n");
    std::printf("scanline shading:  %.3f ms per balloon\n", fast.msPerBalloon);
    std::printf("per-pixel reference: %.3f ms per balloon\n", ref.msPerBalloon);
    std::printf("ratio: %.1fx\n", ref.msPerBalloon / fast.msPerBalloon);
    return 0;
}
