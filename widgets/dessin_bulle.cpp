#include "widgets/dessin_bulle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace trelmo {

namespace {

// ---------------------------------------------------------------------------
// System colours: the index of a system colour names a palette role.

QColor systemColour(int index)
{
    if (!qGuiApp) {
        // No application yet: the classic values.
        static const QRgb classic[] = {
            0xC0C0C0, 0x008080, 0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000,
            0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x000080, 0xFFFFFF, 0xC0C0C0,
            0x808080, 0x808080, 0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000,
            0xFFFFE1};
        if (index >= 0 && index < int(std::size(classic)))
            return QColor::fromRgb(classic[index]);
        return QColor(Qt::black);
    }
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 0: return pal.color(QPalette::Active, QPalette::Button);           // scroll bar
    case 1: return pal.color(QPalette::Active, QPalette::Window);           // desktop
    case 2: return pal.color(QPalette::Active, QPalette::Highlight);        // active caption
    case 3: return pal.color(QPalette::Active, QPalette::Mid);              // inactive caption
    case 4: return pal.color(QPalette::Active, QPalette::Window);           // menu
    case 5: return pal.color(QPalette::Active, QPalette::Base);             // window
    case 6: return pal.color(QPalette::Active, QPalette::Shadow);           // window frame
    case 7: return pal.color(QPalette::Active, QPalette::WindowText);       // menu text
    case 8: return pal.color(QPalette::Active, QPalette::Text);             // window text
    case 9: return pal.color(QPalette::Active, QPalette::HighlightedText);  // caption text
    case 10:
    case 11: return pal.color(QPalette::Active, QPalette::Window);          // borders
    case 12: return pal.color(QPalette::Active, QPalette::Mid);             // app workspace
    case 13: return pal.color(QPalette::Active, QPalette::Highlight);
    case 14: return pal.color(QPalette::Active, QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Active, QPalette::Button);          // button face
    case 16: return pal.color(QPalette::Active, QPalette::Dark);            // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);          // grey text
    case 18: return pal.color(QPalette::Active, QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::WindowText);    // inactive caption text
    case 20: return pal.color(QPalette::Active, QPalette::Light);           // button highlight
    case 21: return pal.color(QPalette::Active, QPalette::Shadow);          // 3-D dark shadow
    case 22: return pal.color(QPalette::Active, QPalette::Midlight);        // 3-D light
    case 23: return pal.color(QPalette::Active, QPalette::ToolTipText);     // info text
    case 24: return pal.color(QPalette::Active, QPalette::ToolTipBase);     // info background
    case 26: return pal.color(QPalette::Active, QPalette::Link);            // hot light
    case 27: return pal.color(QPalette::Active, QPalette::Highlight);       // gradient captions
    case 28: return pal.color(QPalette::Active, QPalette::Mid);
    case 29: return pal.color(QPalette::Active, QPalette::Highlight);       // menu highlight
    case 30: return pal.color(QPalette::Active, QPalette::Window);          // menu bar
    default: return QColor(Qt::black);
    }
}

inline QRgb opaque(TColor c)
{
    c = ColorToRGB(c);
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

// ---------------------------------------------------------------------------
// Colours.

TColor ColorToRGB(TColor c)
{
    if ((c & 0xFF000000u) == 0)
        return c;
    return fromQColor(systemColour(int(c & 0xFF)));
}

QColor toQColor(TColor c)
{
    c = ColorToRGB(c);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

TColor fromQColor(const QColor& c)
{
    const QRgb v = c.rgb();
    return RGBColor(qRed(v), qGreen(v), qBlue(v));
}

TColor ShiftColor(TColor colour, int d)
{
    colour = ColorToRGB(colour);
    return RGBColor(shiftChannel(redOf(colour), d), shiftChannel(greenOf(colour), d),
                    shiftChannel(blueOf(colour), d));
}

// ---------------------------------------------------------------------------
// Fonts.

QFont hintFont(const TFontData& f)
{
    QFont font(f.Name);
    const int points = std::clamp(f.Size, 1, kMaxTextPoints);
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(f.Style & fsBold);
    font.setItalic(f.Style & fsItalic);
    font.setUnderline(f.Style & fsUnderline);
    font.setStrikeOut(f.Style & fsStrikeOut);
    return font;
}

TFontData fontDataOf(const QFont& font, TColor colour)
{
    TFontData d;
    d.Color = colour;
    if (font.pointSize() > 0)
        d.Size = font.pointSize();
    else if (font.pixelSize() > 0)
        d.Size = (font.pixelSize() * 72 + 48) / 96;
    d.Style = std::uint8_t((font.bold() ? fsBold : 0) | (font.italic() ? fsItalic : 0)
                           | (font.underline() ? fsUnderline : 0)
                           | (font.strikeOut() ? fsStrikeOut : 0));
    d.Name = font.family();
    return d;
}

// ---------------------------------------------------------------------------
// The balloon.

namespace {

// The balloon of the settings, whose lengths are already in device pixels;
// k device pixels to a window pixel. At k = 1 the outline is the 1-pixel
// pen's; above, it is round(k) pixels wide and the text is drawn k times as
// large.
void dessiner(QImage& target, const THintSettings& h, double k, const TShading& shading)
{
    const TFontData& font = h.font;
    const int W = h.W, H = h.H, TH = h.TH, L = h.L, shadowWidth = h.shadowWidth;
    const THintPosition placement = h.placement;
    const THintStyle style = h.style;
    const TLinkStyle link = h.link;
    const bool shadow = h.shadow, border = h.border;
    const TQuality quality = h.quality;
    const int intensity = h.intensity;
    const QString& text = h.text;
    const QImage& picture = h.picture;
    // No balloon is larger than a screen; sizes beyond that would only
    // overflow the shape arithmetic.
    auto sane = [](int v) { return v >= -kMaxBalloonSide && v <= kMaxBalloonSide; };
    if (target.isNull() || !sane(W) || !sane(H) || !sane(TH) || !sane(L) || !sane(shadowWidth))
        return;
    make32Bit(target);
    const TBalloonShapes s =
        balloonShapes(W, H, TH, placement, style, link, L, shadow, shadowWidth, k);
    const TRect& B = s.B;
    const int m = k == 1.0 ? 1 : std::max(1, static_cast<int>(std::lround(k)));   // pen width

    // The three ways of drawing with the pen and the brush, at the pen's width.
    auto forme = [&](const TRegion& r, QRgb brush, QRgb pen) {
        if (m == 1)
            drawShape(target, r, brush, pen);
        else
            drawShapeWide(target, r, m, brush, pen);
    };
    auto contour = [&](const TRegion& r, QRgb pen) {
        if (m == 1)
            outlineRegion(target, r, pen);
        else
            outlineRegionWide(target, r, m, pen);
    };
    auto interieur = [&](const TRegion& r, QRgb brush) {
        if (m == 1)
            fillInterior(target, r, brush);
        else
            fillRegion(target, r.eroded(m), brush);
    };

    // The shadow.
    if (s.sw > 0) {
        if (style != hiText)
            shading.region(target, inclusive(s.S), s.bodyShadow, quality, intensity);
        if (link == liArrow)
            shading.regionExcept(target, s.arrowShadowScan, s.arrowShadow, s.shadowEllipse,
                                 quality, intensity);
        else if (link == liBubble)
            for (std::size_t i = 0; i < 3; ++i)
                shading.region(target, inclusive(moved(s.C[i], s.sw)), s.circleShadows[i],
                               quality, intensity);
    }

    const QRgb brush = opaque(h.fillColor);
    const QRgb pen = border ? opaque(h.borderColor) : brush;

    // The body.
    switch (style) {
    case hiRectangle:
    case hiRoundrect:
    case hiBubble:
        forme(s.body, brush, pen);
        break;
    case hiImage:
        if (border) {
            contour(s.body, pen);
            DrawBitmapAt(target, B.left + m, B.top + m, picture);
        } else {
            DrawBitmapAt(target, B.left, B.top, picture);
        }
        break;
    case hiTexture:
        if (border) {
            contour(s.body, pen);
            TileBitmap(target, B.left + m, B.top + m, B.width() - 2 * m, B.height() - 2 * m, picture);
        } else {
            TileBitmap(target, B.left, B.top, B.width(), B.height(), picture);
        }
        break;
    case hiText:
        if (shadow)
            shading.region(target, inclusive(B), s.body, quality, intensity);
        break;
    }

    // The link.
    if (link == liArrow) {
        forme(s.arrow, brush, pen);
    } else if (link == liBubble) {
        for (const TRegion& c : s.circles)
            forme(c, brush, pen);
    }

    // The inside of the body once more: hides the part of the link that lies
    // inside the body and keeps the outline whole.
    if (style == hiRectangle || style == hiRoundrect || style == hiBubble)
        interieur(s.body, brush);

    // The text.
    const TRect& tr = s.textRect;
    if (!text.isEmpty() && tr.width() > 0 && tr.height() > 0) {
        QString shown = text.left(kMaxTextChars);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QRect box(tr.left, tr.top, tr.width(), tr.height());
        QPainter p(&target);
        p.setClipRect(box);
        QFont f = hintFont(font);
        if (k != 1.0)
            f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * k))));
        p.setFont(f);
        p.setPen(toQColor(font.Color));
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    }
}

} // namespace

void DrawHint(QImage& target, const THintSettings& h, const TShading& shading)
{
    dessiner(target, h, 1.0, shading);
}

void DrawHintAt(QImage& target, const THintSettings& h, qreal ratio, const TShading& shading)
{
    if (ratio == 1.0) {
        DrawHint(target, h, shading);
        return;
    }
    auto d = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    THintSettings e = h;
    e.W = d(h.W);
    e.H = d(h.H);
    e.TH = d(h.TH);
    e.L = d(h.L);
    e.shadowWidth = d(h.shadowWidth);
    dessiner(target, e, ratio, shading);
}

} // namespace trelmo
