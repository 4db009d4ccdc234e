// Pixel tests of the balloon drawing.
#include "widgets/dessin_bulle.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

using namespace trelmo;

namespace {

// A background where every pixel differs from its neighbours, so a shift or a
// double darkening shows. Channels stay within 70..219.
QImage patterned(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(70 + (x * 7 + y) % 150, 70 + (y * 5 + x * 3) % 150, 150));
    return img;
}

QImage uniform(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

QImage picture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(200, (x * 40) % 256, (y * 50) % 256));
    return img;
}

bool darkenedBy(QRgb before, QRgb after, int d)
{
    return qRed(after) == qRed(before) - d && qGreen(after) == qGreen(before) - d
        && qBlue(after) == qBlue(before) - d;
}

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kSilver = 0xFFC0C0C0;

const char* styleName(THintStyle s)
{
    static const char* n[] = {"rectangle", "roundrect", "bubble", "image", "texture", "text"};
    return n[s];
}

} // namespace

class TestDessinBulle : public QObject {
    Q_OBJECT
private slots:
    void shiftColorClampsAndResolvesSystemColours();
    void regionsHaveTheirShapes();
    void shadeRegionScansQualityAndExclusion();
    void everyStylePlacementAndLink();
    void mainWindowBalloon();
    void shadowClampsChannels();
    void textSizeAndLengthAreCapped();
    void tilingAndPictures();
    void degenerateInputsDrawSafely();
};

void TestDessinBulle::shiftColorClampsAndResolvesSystemColours()
{
    // Darkening: 20 - 35 ends at 1, 35 - 35 is exactly 0, 36 - 35 is 1.
    QCOMPARE(ShiftColor(RGBColor(20, 35, 36), -35), RGBColor(1, 0, 1));
    // Lightening: 221 + 35 would overflow and ends at 254; 220 + 35 is exactly 255.
    QCOMPARE(ShiftColor(RGBColor(221, 220, 0), 35), RGBColor(254, 255, 35));
    QCOMPARE(ShiftColor(RGBColor(7, 8, 9), 0), RGBColor(7, 8, 9));
    // Channels stay in their places and the top byte is cleared.
    QCOMPARE(ShiftColor(0x00102030u, -16), 0x00001020u);

    // System colours are resolved before the arithmetic.
    const QColor base = QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
    QCOMPARE(ColorToRGB(clWindow), fromQColor(base));
    QCOMPARE(ShiftColor(clWindow, -10), ShiftColor(fromQColor(base), -10));
    QCOMPARE(ColorToRGB(clInfoBk) & 0xFF000000u, 0u);
    QCOMPARE(toQColor(RGBColor(1, 2, 3)), QColor(1, 2, 3));
    QCOMPARE(fromQColor(QColor(1, 2, 3)), RGBColor(1, 2, 3));
}

void TestDessinBulle::regionsHaveTheirShapes()
{
    // Raster convention: (2, 3, 7, 5) covers columns 2..6 and rows 3..4.
    const TRegion r = TRegion::rectangle(2, 3, 7, 5);
    QCOMPARE(r.pixelCount(), 10);
    QVERIFY(r.contains(2, 3) && r.contains(6, 4));
    QVERIFY(!r.contains(7, 4) && !r.contains(6, 5) && !r.contains(1, 3));
    QVERIFY(TRegion::rectangle(5, 5, 5, 9).isEmpty());

    // Ellipses are symmetric, inscribed, touch all four sides and keep the
    // area of the true ellipse.
    for (const QRect& b : {QRect(0, 0, 6, 6), QRect(3, 4, 137, 36), QRect(-5, 2, 41, 17),
                           QRect(0, 0, 418, 104)}) {
        const TRegion e = TRegion::ellipse(b.left(), b.top(), b.left() + b.width(),
                                           b.top() + b.height());
        QCOMPARE(e.boundingRect(), b);
        for (int y = b.top(); y <= b.bottom(); ++y)
            for (int x = b.left(); x <= b.right(); ++x) {
                const int mx = b.left() + b.right() - x, my = b.top() + b.bottom() - y;
                QCOMPARE(e.contains(x, y), e.contains(mx, y));
                QCOMPARE(e.contains(x, y), e.contains(x, my));
            }
        const double area = M_PI * b.width() * b.height() / 4;
        QVERIFY2(std::abs(e.pixelCount() - area) < 0.05 * area + 4,
                 qPrintable(QString::number(e.pixelCount())));
    }
    // The 6 x 6 circle of the smallest link bubble.
    const TRegion c = TRegion::ellipse(0, 0, 6, 6);
    QVERIFY(!c.contains(0, 0) && c.contains(1, 0) && c.contains(4, 0) && !c.contains(5, 0));
    QVERIFY(c.contains(0, 2) && c.contains(5, 3));

    // Rounded rectangle: corners cut, the middle rows and columns whole.
    const TRegion rr = TRegion::roundRect(0, 0, 60, 40, 15, 15);
    QVERIFY(!rr.contains(0, 0) && !rr.contains(59, 0) && !rr.contains(0, 39) && !rr.contains(59, 39));
    QVERIFY(rr.contains(0, 20) && rr.contains(59, 20) && rr.contains(30, 0) && rr.contains(30, 39));
    QVERIFY(rr.contains(0, 7) && rr.contains(7, 0));
    for (int y = 0; y < 40; ++y)
        QCOMPARE(rr.spanStart(y), 60 - rr.spanEnd(y));

    // Triangles: orientation does not matter, a flat one is empty, the area is right.
    const TRegion t1 = TRegion::triangle({0, 0}, {40, 0}, {0, 30});
    const TRegion t2 = TRegion::triangle({0, 30}, {40, 0}, {0, 0});
    QCOMPARE(t1.toQRegion(), t2.toQRegion());
    QVERIFY(std::abs(t1.pixelCount() - 600) <= 40);
    QVERIFY(t1.contains(0, 0) && t1.contains(38, 0) && t1.contains(0, 28) && !t1.contains(30, 20));
    QVERIFY(TRegion::triangle({0, 0}, {10, 10}, {20, 20}).isEmpty());

    // QRegion agrees pixel for pixel; outline and interior split the region;
    // the outline of a rectangle is its outermost ring.
    for (const TRegion& g : {t1, rr, c, r, TRegion::ellipse(0, 0, 31, 13)}) {
        const QRegion q = g.toQRegion();
        int outline = 0, interior = 0;
        for (int y = -2; y < 45; ++y)
            for (int x = -2; x < 65; ++x) {
                QCOMPARE(q.contains(QPoint(x, y)), g.contains(x, y));
                if (!g.contains(x, y))
                    continue;
                int a0, a1, b0, b1, i0, i1;
                g.outlineSpans(y, a0, a1, b0, b1);
                g.interiorSpan(y, i0, i1);
                const bool inOutline = (x >= a0 && x < a1) || (x >= b0 && x < b1);
                const bool inInterior = x >= i0 && x < i1;
                QVERIFY(inOutline != inInterior);
                const bool edge = !g.contains(x - 1, y) || !g.contains(x + 1, y)
                               || !g.contains(x, y - 1) || !g.contains(x, y + 1);
                QCOMPARE(inOutline, edge);
                outline += inOutline;
                interior += inInterior;
            }
        QCOMPARE(outline + interior, g.pixelCount());
    }
    const TRegion box = TRegion::rectangle(0, 0, 10, 6);
    int a0, a1, b0, b1;
    box.outlineSpans(0, a0, a1, b0, b1);
    QCOMPARE(a1 - a0 + b1 - b0, 10);
    box.outlineSpans(3, a0, a1, b0, b1);
    QVERIFY(a0 == 0 && a1 == 1 && b0 == 9 && b1 == 10);

    const TRegion moved = t1.translated(5, -3);
    QVERIFY(moved.contains(5, -3) && !moved.contains(0, 0));
}

void TestDessinBulle::shadeRegionScansQualityAndExclusion()
{
    const QRgb bg = qRgb(100, 150, 200);
    const TRegion all = TRegion::rectangle(0, 0, 20, 20);

    // The scanned rectangle includes both edges; the region limits it.
    QImage img = uniform(20, 20, bg);
    ShadeRegion(img, QRect(QPoint(2, 3), QPoint(5, 6)), all, quHi, 35);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool in = x >= 2 && x <= 5 && y >= 3 && y <= 6;
            QCOMPARE(img.pixel(x, y), in ? qRgb(65, 115, 165) : bg);
        }

    // quLow: a checkerboard of the pixels whose x + y is even.
    img = uniform(20, 20, bg);
    ShadeRegion(img, QRect(0, 0, 20, 20), TRegion::ellipse(0, 0, 20, 20), quLow, 35);
    int shaded = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (img.pixel(x, y) != bg) {
                QVERIFY((x + y) % 2 == 0);
                QVERIFY(darkenedBy(bg, img.pixel(x, y), 35));
                ++shaded;
            }
    QVERIFY(std::abs(shaded * 2 - TRegion::ellipse(0, 0, 20, 20).pixelCount()) <= 20);

    // Any other quality shades nothing.
    img = uniform(20, 20, bg);
    ShadeRegion(img, QRect(0, 0, 20, 20), all, TQuality(7), 35);
    QCOMPARE(img, uniform(20, 20, bg));

    // Exclusion; a rectangle reaching past the image is clipped.
    img = uniform(20, 20, bg);
    ShadeRegionExcept(img, QRect(QPoint(-10, -10), QPoint(40, 40)), TRegion::rectangle(-5, -5, 30, 30),
                      TRegion::rectangle(5, 0, 10, 20), quHi, 35);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(img.pixel(x, y), (x >= 5 && x < 10) ? bg : qRgb(65, 115, 165));

    // In a picture with alpha, a transparent pixel (unknown background)
    // becomes black with alpha = intensity; an opaque one is darkened.
    QImage glass(4, 1, QImage::Format_ARGB32_Premultiplied);
    glass.fill(Qt::transparent);
    glass.setPixel(3, 0, qRgba(100, 100, 100, 255));
    ShadeRegion(glass, QRect(0, 0, 4, 1), TRegion::rectangle(0, 0, 4, 1), quHi, 35);
    QCOMPARE(glass.pixel(0, 0), qRgba(0, 0, 0, 35));
    QCOMPARE(glass.pixel(3, 0), qRgba(65, 65, 65, 255));

    // Other formats are converted, not misread.
    QImage rgb888(5, 5, QImage::Format_RGB888);
    rgb888.fill(bg);
    ShadeRegion(rgb888, QRect(0, 0, 5, 5), all, quHi, 35);
    QCOMPARE(rgb888.pixel(2, 2), qRgb(65, 115, 165));
}

// Every style x placement x link, shadow off and on, on a patterned background:
// the changes stay inside the shapes and their shadows, the shadow darkens by
// exactly the intensity, and the shapes lie where the placement puts them.
void TestDessinBulle::everyStylePlacementAndLink()
{
    const QImage pic = picture(60, 30);
    const int intensity = 35;
    for (int st = hiRectangle; st <= hiText; ++st)
        for (int pl = hiTopRight; pl <= hiBottomLeft; ++pl)
            for (int li = liNone; li <= liBubble; ++li)
                for (bool shadow : {false, true}) {
                    const auto style = THintStyle(st);
                    const auto place = THintPosition(pl);
                    const auto link = TLinkStyle(li);
                    const QString ctx = QStringLiteral("%1 placement %2 link %3 shadow %4")
                                            .arg(styleName(style)).arg(pl).arg(li).arg(shadow);
                    const int L = link == liArrow ? 15 : link == liBubble ? 20 : 10;
                    const int sw = (shadow && style != hiText) ? 5 : 0;
                    const int bw = style == hiImage ? pic.width() + 2 : 150;
                    const int bh = style == hiImage ? pic.height() + 2 : 40;
                    const int W = bw + sw, H = bh + L + sw;
                    const QImage before = patterned(W, H);
                    QImage img = before;
                    DrawHint(img, {.font = TFontData{}, .W = W, .H = H, .TH = 18,
                        .fillColor = clWhite, .text = QString(), .placement = place,
                        .style = style, .link = link, .L = L, .shadow = shadow, .quality = quHi,
                        .shadowWidth = 5, .intensity = intensity, .picture = pic, .border = true,
                        .borderColor = clSilver});
                    QCOMPARE(img.size(), before.size());

                    const TBalloonShapes s =
                        balloonShapes(W, H, 18, place, style, link, L, shadow, 5);
                    QCOMPARE(s.sw, sw);
                    const bool above = place == hiTopRight || place == hiTopLeft;
                    QCOMPARE(s.B, above ? (TRect{0, 0, W - sw, bh}) : (TRect{0, L, W - sw, H - sw}));

                    auto inShapes = [&](int x, int y) {
                        if (style != hiText && s.body.contains(x, y))
                            return true;
                        if (link == liArrow && s.arrow.contains(x, y))
                            return true;
                        for (const TRegion& c : s.circles)
                            if (c.contains(x, y))
                                return true;
                        return false;
                    };
                    auto inShadow = [&](int x, int y) {
                        if (style == hiText)
                            return shadow && s.body.contains(x, y);
                        if (sw == 0)
                            return false;
                        if (s.bodyShadow.contains(x, y))
                            return true;
                        if (link == liArrow && s.arrowShadow.contains(x, y)
                            && !s.shadowEllipse.contains(x, y))
                            return true;
                        for (const TRegion& c : s.circleShadows)
                            if (c.contains(x, y))
                                return true;
                        return false;
                    };
                    // Overlapping shadows are darkened once under the bubble
                    // with its arrow, and wherever there is a single shadow shape.
                    const bool once = link == liNone || (style == hiBubble && link == liArrow)
                                   || style == hiText || (style == hiRectangle && link == liArrow);

                    for (int y = 0; y < H; ++y)
                        for (int x = 0; x < W; ++x) {
                            const QRgb b = before.pixel(x, y), a = img.pixel(x, y);
                            if (inShapes(x, y))
                                continue;
                            if (inShadow(x, y)) {
                                QVERIFY2(darkenedBy(b, a, intensity)
                                             || (!once && darkenedBy(b, a, 2 * intensity)),
                                         qPrintable(ctx + QStringLiteral(" at %1,%2").arg(x).arg(y)));
                            } else {
                                QVERIFY2(a == b, qPrintable(ctx + QStringLiteral(" changed %1,%2").arg(x).arg(y)));
                            }
                        }

                    // The body: fill inside, silver outline on its outermost pixels.
                    const TRect& B = s.B;
                    const int midY = (B.top + B.bottom) / 2;
                    if (style == hiRectangle || style == hiRoundrect || style == hiBubble) {
                        QCOMPARE(img.pixel((B.left + B.right) / 2, midY), kWhite);
                        QCOMPARE(img.pixel(B.left, midY), kSilver);
                        QCOMPARE(img.pixel(B.right - 1, midY), kSilver);
                        QCOMPARE(img.pixel(B.left + 1, midY), kWhite);
                        for (int y = B.top; y < B.bottom; ++y)
                            for (int x = B.left; x < B.right; ++x)
                                if (s.body.contains(x, y) && !(link != liNone && (s.arrow.contains(x, y)
                                        || s.circles[0].contains(x, y) || s.circles[1].contains(x, y)
                                        || s.circles[2].contains(x, y))))
                                    QVERIFY(img.pixel(x, y) == kWhite || img.pixel(x, y) == kSilver);
                    } else if (style == hiImage) {
                        QCOMPARE(img.pixel(B.left, midY), kSilver);
                        QCOMPARE(img.pixel(B.left + 1, B.top + 1), pic.pixel(0, 0));
                        QCOMPARE(img.pixel(B.right - 2, B.bottom - 2), pic.pixel(59, 29));
                    } else if (style == hiTexture) {
                        // The texture fills exactly the inside of the outline.
                        for (int y = B.top; y < B.bottom; ++y)
                            for (int x = B.left; x < B.right; ++x) {
                                if (link != liNone && inShapes(x, y) && !s.body.contains(x, y))
                                    continue;
                                if ((link == liArrow && s.arrow.contains(x, y))
                                    || s.circles[0].contains(x, y) || s.circles[1].contains(x, y)
                                    || s.circles[2].contains(x, y))
                                    continue;
                                const bool edge = x == B.left || x == B.right - 1 || y == B.top
                                               || y == B.bottom - 1;
                                QCOMPARE(img.pixel(x, y), edge ? kSilver
                                                               : pic.pixel((x - B.left - 1) % 60,
                                                                           (y - B.top - 1) % 30));
                            }
                    }

                    // The link reaches the pointer's corner.
                    if (link != liNone) {
                        const int tipX = (place == hiTopRight || place == hiBottomRight) ? 0 : W - sw - 1;
                        const int tipY = above ? H - sw - 1 : 0;
                        bool reached = false;
                        for (int dy = -3; dy <= 3; ++dy)
                            for (int dx = -3; dx <= 3; ++dx) {
                                const int x = tipX + dx, y = tipY + dy;
                                if (x >= 0 && y >= 0 && x < W && y < H && img.pixel(x, y) == kSilver)
                                    reached = true;
                            }
                        QVERIFY2(reached, qPrintable(ctx));
                    }

                    // The shadow lies sw pixels right of and below the body.
                    if (sw > 0) {
                        const int sy = (s.S.top + s.S.bottom) / 2;
                        QVERIFY2(darkenedBy(before.pixel(W - 2, sy), img.pixel(W - 2, sy), intensity),
                                 qPrintable(ctx));
                        QCOMPARE(img.pixel(W - 1, above ? 0 : L), before.pixel(W - 1, above ? 0 : L));
                    }
                }

    // quLow shades only pixels with x + y even.
    const QImage before = patterned(160, 70);
    QImage img = before;
    DrawHint(img, {.font = TFontData{}, .W = 160, .H = 70, .TH = 18, .fillColor = clWhite,
        .text = QString(), .placement = hiTopRight, .style = hiBubble, .link = liArrow, .L = 15,
        .shadow = true, .quality = quLow, .shadowWidth = 5, .intensity = 35, .picture = QImage(),
        .border = true, .borderColor = clSilver});
    int shaded = 0;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 160; ++x)
            if (darkenedBy(before.pixel(x, y), img.pixel(x, y), 35)) {
                QVERIFY((x + y) % 2 == 0);
                ++shaded;
            }
    QVERIFY(shaded > 100);
}

// The main window's balloon: 423 x 124, bubble, arrow, shadow 5, intensity 35.
void TestDessinBulle::mainWindowBalloon()
{
    const QRgb bg = qRgb(100, 150, 200), dark = qRgb(65, 115, 165), twice = qRgb(30, 80, 130);
    const int W = 423, H = 124, L = 15;
    for (int pl = hiTopRight; pl <= hiBottomLeft; ++pl) {
        QImage img = uniform(W, H, bg);
        DrawHint(img, {.font = TFontData{}, .W = W, .H = H, .TH = 18, .fillColor = clWhite,
            .text = QString(), .placement = THintPosition(pl), .style = hiBubble, .link = liArrow,
            .L = L, .shadow = true, .quality = quHi, .shadowWidth = 5, .intensity = 35,
            .picture = QImage(), .border = true, .borderColor = clSilver});
        const TBalloonShapes s = balloonShapes(W, H, 18, THintPosition(pl), hiBubble, liArrow, L, true, 5);
        int darkCount = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const QRgb p = img.pixel(x, y);
                QVERIFY(p != twice);
                QVERIFY(p == bg || p == dark || p == kWhite || p == kSilver);
                darkCount += p == dark;
            }
        QVERIFY(darkCount > 1000);
        // The arrow's base is hidden inside the ellipse: white, no silver line.
        const QPoint mid = (s.P[0] + s.P[2]) / 2;
        QCOMPARE(img.pixel(mid), kWhite);
        QCOMPARE(img.pixel(s.P[0].x() + 3, s.P[0].y()), kWhite);
        // The ellipse outline is silver at its leftmost and rightmost points.
        const int my = (s.B.top + s.B.bottom) / 2;
        QCOMPARE(img.pixel(0, my), kSilver);
        QCOMPARE(img.pixel(W - 6, my), kSilver);
        QCOMPARE(img.pixel(W - 5, my), dark);
    }
}

void TestDessinBulle::shadowClampsChannels()
{
    // Channels 20 and 35 under a shadow of 35 become 1 and 0.
    QImage img = uniform(100, 60, qRgb(20, 35, 200));
    DrawHint(img, {.font = TFontData{}, .W = 100, .H = 60, .TH = 18, .fillColor = clWhite,
        .text = QString(), .placement = hiTopRight, .style = hiRectangle, .link = liNone, .L = 10,
        .shadow = true, .quality = quHi, .shadowWidth = 5, .intensity = 35, .picture = QImage(),
        .border = false, .borderColor = clBlack});
    QCOMPARE(img.pixel(98, 30), qRgb(1, 0, 165));
    // A negative intensity lightens, and an overflowing channel ends at 254.
    img = uniform(10, 10, qRgb(250, 220, 0));
    ShadeRegion(img, QRect(0, 0, 10, 10), TRegion::rectangle(0, 0, 10, 10), quHi, -35);
    QCOMPARE(img.pixel(5, 5), qRgb(254, 255, 35));
}

void TestDessinBulle::textSizeAndLengthAreCapped()
{
    auto draw = [](int points, const QString& text, int W = 400, int H = 120) {
        TFontData f;
        f.Size = points;
        f.Name = QStringLiteral("Liberation Sans");
        QImage img = uniform(W, H, qRgb(200, 200, 200));
        DrawHint(img, {.font = f, .W = W, .H = H, .TH = 18, .fillColor = clWhite, .text = text,
            .placement = hiTopRight, .style = hiText, .link = liNone, .L = 10, .shadow = false,
            .quality = quHi, .shadowWidth = 0, .intensity = 0, .picture = QImage(),
            .border = false, .borderColor = clBlack});
        return img;
    };
    const QString t = QStringLiteral("Commencer une nouvelle partie");
    QVERIFY(draw(30, t) != draw(29, t));
    QCOMPARE(draw(40, t), draw(30, t));
    QCOMPARE(draw(200, t), draw(30, t));
    QVERIFY(draw(10, t) != uniform(400, 120, qRgb(200, 200, 200)));

    // Text beyond 300 characters is not drawn; ampersands are plain characters.
    QString longText;
    for (int i = 0; i < 50; ++i)
        longText += QStringLiteral("mot%1 & ").arg(i % 10);
    QVERIFY(longText.size() > 300);
    QCOMPARE(draw(6, longText, 900, 200), draw(6, longText.left(300), 900, 200));
    QVERIFY(draw(6, longText, 900, 200) != draw(6, longText.left(295), 900, 200));
    QVERIFY(draw(10, QStringLiteral("&A")) != draw(10, QStringLiteral("A")));

    // The text lies in its rectangle: nothing drawn left of it for the bubble.
    TFontData f;
    QImage img = uniform(200, 70, qRgb(100, 150, 200));
    DrawHint(img, {.font = f, .W = 200, .H = 70, .TH = 18, .fillColor = clWhite,
        .text = QStringLiteral("Wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww"), .placement = hiTopRight,
        .style = hiBubble, .link = liNone, .L = 10, .shadow = false, .quality = quHi,
        .shadowWidth = 0, .intensity = 0, .picture = QImage(), .border = false,
        .borderColor = clWhite});
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 9; ++x)
            QVERIFY(img.pixel(x, y) == kWhite || img.pixel(x, y) == qRgb(100, 150, 200));
}

void TestDessinBulle::tilingAndPictures()
{
    const QRgb bg = qRgb(10, 20, 30);
    const QImage tile = picture(7, 5);
    QImage img = uniform(40, 30, bg);
    TileBitmap(img, 3, 4, 20, 13, tile);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool in = x >= 3 && x < 23 && y >= 4 && y < 17;
            QCOMPARE(img.pixel(x, y), in ? tile.pixel((x - 3) % 7, (y - 4) % 5) : bg);
        }

    // A picture without width or height draws nothing, and no error occurs.
    for (const QImage& empty : {QImage(), QImage(0, 5, QImage::Format_RGB32), QImage(5, 0, QImage::Format_RGB32)}) {
        img = uniform(40, 30, bg);
        TileBitmap(img, 0, 0, 40, 30, empty);
        DrawBitmapAt(img, 0, 0, empty);
        QCOMPARE(img, uniform(40, 30, bg));
        for (bool border : {false, true}) {
            img = uniform(100, 60, bg);
            DrawHint(img, {.font = TFontData{}, .W = 100, .H = 60, .TH = 18, .fillColor = clWhite,
                .text = QString(), .placement = hiBottomLeft, .style = hiTexture, .link = liNone,
                .L = 10, .shadow = false, .quality = quHi, .shadowWidth = 0, .intensity = 35,
                .picture = empty, .border = border, .borderColor = clSilver});
            // Only the outline (when on) is drawn.
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 100; ++x) {
                    const bool edge = border && y >= 10 && (x == 0 || x == 99 || y == 10 || y == 59);
                    QCOMPARE(img.pixel(x, y), edge ? kSilver : bg);
                }
        }
    }

    // Without border the texture covers the body rectangle itself.
    img = uniform(100, 60, bg);
    DrawHint(img, {.font = TFontData{}, .W = 100, .H = 60, .TH = 18, .fillColor = clWhite,
        .text = QString(), .placement = hiTopLeft, .style = hiTexture, .link = liNone, .L = 10,
        .shadow = false, .quality = quHi, .shadowWidth = 0, .intensity = 35, .picture = tile,
        .border = false, .borderColor = clSilver});
    QCOMPARE(img.pixel(0, 0), tile.pixel(0, 0));
    QCOMPARE(img.pixel(99, 49), tile.pixel(99 % 7, 49 % 5));
    QCOMPARE(img.pixel(50, 50), bg);

    // The picture style draws the picture at its own size.
    img = uniform(100, 60, bg);
    DrawHint(img, {.font = TFontData{}, .W = 100, .H = 60, .TH = 18, .fillColor = clWhite,
        .text = QString(), .placement = hiTopRight, .style = hiImage, .link = liNone, .L = 10,
        .shadow = false, .quality = quHi, .shadowWidth = 0, .intensity = 35, .picture = tile,
        .border = false, .borderColor = clSilver});
    QCOMPARE(img.pixel(6, 4), tile.pixel(6, 4));
    QCOMPARE(img.pixel(7, 4), bg);
}

void TestDessinBulle::degenerateInputsDrawSafely()
{
    QImage null;
    DrawHint(null, {.font = TFontData{}, .W = 100, .H = 50, .TH = 18, .fillColor = clWhite,
        .text = QStringLiteral("x"), .placement = hiTopRight, .style = hiBubble, .link = liArrow,
        .L = 15, .shadow = true, .quality = quHi, .shadowWidth = 5, .intensity = 35,
        .picture = QImage(), .border = true, .borderColor = clSilver});
    QVERIFY(null.isNull());
    // Absurd sizes draw nothing rather than overflow.
    QImage small = uniform(10, 10, qRgb(1, 2, 3));
    DrawHint(small, {.font = TFontData{}, .W = 2000000000, .H = 2000000000, .TH = 18,
        .fillColor = clWhite, .text = QStringLiteral("x"), .placement = hiTopRight,
        .style = hiBubble, .link = liArrow, .L = 15, .shadow = true, .quality = quHi,
        .shadowWidth = 5, .intensity = 35, .picture = QImage(), .border = true,
        .borderColor = clSilver});
    QCOMPARE(small, uniform(10, 10, qRgb(1, 2, 3)));
    // Sizes too small for the link or the shadow, and a picture smaller than
    // the balloon: every pixel written stays inside the picture.
    for (int st = hiRectangle; st <= hiText; ++st)
        for (int li = liNone; li <= liBubble; ++li)
            for (int size : {0, 1, 3, 12, 31})
                for (int pl = hiTopRight; pl <= hiBottomLeft; ++pl) {
                    QImage img = uniform(std::max(size, 1), std::max(size / 2, 1), qRgb(1, 2, 3));
                    DrawHint(img, {.font = TFontData{}, .W = size * 2, .H = size, .TH = 4,
                        .fillColor = clWhite, .text = QStringLiteral("abc def"),
                        .placement = THintPosition(pl), .style = THintStyle(st),
                        .link = TLinkStyle(li), .L = 15, .shadow = true, .quality = quLow,
                        .shadowWidth = 10, .intensity = 255, .picture = picture(9, 9),
                        .border = true, .borderColor = clSilver});
                    QCOMPARE(img.width(), std::max(size, 1));
                }
}

QTEST_MAIN(TestDessinBulle)
#include "tst_dessin_bulle.moc"
