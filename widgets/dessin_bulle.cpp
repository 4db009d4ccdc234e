#include "widgets/dessin_bulle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace trelmo {

namespace {

// ---------------------------------------------------------------------------
// Integer helpers.

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return -floorDiv(-a, b);
}

std::int64_t isqrt(std::int64_t v)
{
    if (v <= 0)
        return 0;
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(v)));
    while (r * r > v)
        --r;
    while ((r + 1) * (r + 1) <= v)
        ++r;
    return r;
}

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

int shiftChannel(int v, int d)
{
    const int s = v + d;
    if (d > 0)
        return s > 255 ? 254 : s;
    return s < 0 ? 1 : s;
}

// ---------------------------------------------------------------------------
// Pixel access.

bool is32Bit(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
        || f == QImage::Format_ARGB32_Premultiplied;
}

void make32Bit(QImage& img)
{
    if (!is32Bit(img.format()))
        img.convertTo(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
}

inline QRgb* row(QImage& img, int y)
{
    return reinterpret_cast<QRgb*>(img.scanLine(y));
}

inline QRgb opaque(TColor c)
{
    c = ColorToRGB(c);
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

void fillSpan(QImage& img, int y, int a, int b, QRgb colour)
{
    if (y < 0 || y >= img.height())
        return;
    a = std::max(a, 0);
    b = std::min(b, img.width());
    if (a >= b)
        return;
    std::fill(row(img, y) + a, row(img, y) + b, colour);
}

void fillRegion(QImage& img, const TRegion& r, QRgb colour)
{
    const int y0 = std::max(r.firstRow(), 0);
    const int y1 = std::min(r.endRow(), img.height());
    for (int y = y0; y < y1; ++y)
        fillSpan(img, y, r.spanStart(y), r.spanEnd(y), colour);
}

void outlineRegion(QImage& img, const TRegion& r, QRgb colour)
{
    const int y0 = std::max(r.firstRow(), 0);
    const int y1 = std::min(r.endRow(), img.height());
    for (int y = y0; y < y1; ++y) {
        int a0, a1, b0, b1;
        r.outlineSpans(y, a0, a1, b0, b1);
        fillSpan(img, y, a0, a1, colour);
        fillSpan(img, y, b0, b1, colour);
    }
}

void fillInterior(QImage& img, const TRegion& r, QRgb colour)
{
    const int y0 = std::max(r.firstRow(), 0);
    const int y1 = std::min(r.endRow(), img.height());
    for (int y = y0; y < y1; ++y) {
        int a, b;
        r.interiorSpan(y, a, b);
        fillSpan(img, y, a, b, colour);
    }
}

// A shape drawn with a pen and a brush: the brush fills it, the pen draws its outline.
void drawShape(QImage& img, const TRegion& r, QRgb brush, QRgb pen)
{
    fillRegion(img, r, brush);
    if (pen != brush)
        outlineRegion(img, r, pen);
}

// Darkening table of one shading pass.
struct Shader {
    std::array<std::uint8_t, 256> lut{};
    QRgb transparentShade = 0;
    bool alpha = false;

    Shader(const QImage& img, int intensity)
    {
        for (int v = 0; v < 256; ++v)
            lut[std::size_t(v)] = std::uint8_t(shiftChannel(v, -intensity));
        alpha = img.hasAlphaChannel();
        transparentShade = qRgba(0, 0, 0, std::clamp(intensity, 0, 255));
    }

    inline QRgb shade(QRgb p) const
    {
        return (p & 0xFF000000u) | (QRgb(lut[qRed(p)]) << 16) | (QRgb(lut[qGreen(p)]) << 8)
             | QRgb(lut[qBlue(p)]);
    }

    // Shade the pixels a..b-1 of one row; step 2 from an even x + y for quLow.
    void span(QRgb* line, int y, int a, int b, TQuality q) const
    {
        int step = 1;
        if (q == quLow) {
            if ((a + y) & 1)
                ++a;
            step = 2;
        }
        if (!alpha) {
            for (int x = a; x < b; x += step)
                line[x] = shade(line[x]);
        } else {
            for (int x = a; x < b; x += step)
                line[x] = qAlpha(line[x]) == 0 ? transparentShade : shade(line[x]);
        }
    }
};

void shade(QImage& target, const QRect& R, const TRegion& region, const TRegion* excluded,
           TQuality quality, int intensity)
{
    if (target.isNull() || region.isEmpty())
        return;
    if (quality != quHi && quality != quLow)
        return;
    make32Bit(target);
    const Shader shader(target, intensity);
    const int y0 = std::max({R.top(), region.firstRow(), 0});
    const int y1 = std::min({R.bottom() + 1, region.endRow(), target.height()});
    const int xl = std::max(R.left(), 0);
    const int xr = std::min(R.right() + 1, target.width());
    for (int y = y0; y < y1; ++y) {
        const int a = std::max(region.spanStart(y), xl);
        const int b = std::min(region.spanEnd(y), xr);
        if (a >= b)
            continue;
        QRgb* line = row(target, y);
        int e0 = 0, e1 = 0;
        if (excluded && y >= excluded->firstRow() && y < excluded->endRow()) {
            e0 = excluded->spanStart(y);
            e1 = excluded->spanEnd(y);
        }
        if (e0 >= e1 || e1 <= a || e0 >= b) {
            shader.span(line, y, a, b, quality);
        } else {
            shader.span(line, y, a, std::min(b, e0), quality);
            shader.span(line, y, std::max(a, e1), b, quality);
        }
    }
}

QRect inclusive(const TRect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

TRect moved(const TRect& r, int d)
{
    return {r.left + d, r.top + d, r.right + d, r.bottom + d};
}

TRegion ellipseOf(const TRect& r)
{
    return TRegion::ellipse(r.left, r.top, r.right, r.bottom);
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
// Regions.

TRegion TRegion::rectangle(int left, int top, int right, int bottom)
{
    TRegion r;
    if (right <= left || bottom <= top)
        return r;
    r.m_top = top;
    r.m_start.assign(std::size_t(bottom - top), left);
    r.m_end.assign(std::size_t(bottom - top), right);
    return r;
}

TRegion TRegion::ellipse(int left, int top, int right, int bottom)
{
    TRegion r;
    const std::int64_t w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0)
        return r;
    // In doubled coordinates the pixel (x, y) has its centre at (2x + 1, 2y + 1)
    // and the ellipse is X^2 h^2 + Y^2 w^2 <= w^2 h^2 around (left + right, top + bottom).
    r.m_top = top;
    r.m_start.resize(std::size_t(h));
    r.m_end.resize(std::size_t(h));
    const std::int64_t w2 = w * w, h2 = h * h;
    for (int y = top; y < bottom; ++y) {
        const std::int64_t Y = 2 * std::int64_t(y) + 1 - (top + bottom);
        const std::int64_t rest = w2 * h2 - Y * Y * w2;
        int a = 0, b = 0;
        if (rest >= 0) {
            const std::int64_t m = isqrt(rest / h2);
            const std::int64_t s = std::int64_t(left) + right - 1;
            a = int(ceilDiv(-m + s, 2));
            b = int(floorDiv(m + s, 2)) + 1;
        }
        r.m_start[std::size_t(y - top)] = a;
        r.m_end[std::size_t(y - top)] = std::max(a, b);
    }
    return r;
}

TRegion TRegion::roundRect(int left, int top, int right, int bottom, int ew, int eh)
{
    TRegion r = rectangle(left, top, right, bottom);
    if (r.isEmpty())
        return r;
    ew = std::clamp(ew, 0, right - left);
    eh = std::clamp(eh, 0, bottom - top);
    if (ew <= 0 || eh <= 0)
        return r;
    const TRegion corner = ellipse(0, 0, ew, eh);
    for (int y = top; y < bottom; ++y) {
        const int k = std::min(y - top, bottom - 1 - y);
        if (k > (eh - 1) / 2)
            continue;
        const int inLeft = corner.spanStart(k);
        const int inRight = ew - corner.spanEnd(k);
        const int a = left + inLeft, b = right - inRight;
        r.m_start[std::size_t(y - top)] = a;
        r.m_end[std::size_t(y - top)] = std::max(a, b);
    }
    return r;
}

TRegion TRegion::triangle(QPoint p0, QPoint p1, QPoint p2)
{
    TRegion r;
    std::array<QPoint, 3> v{p0, p1, p2};
    const std::int64_t area = std::int64_t(v[1].x() - v[0].x()) * (v[2].y() - v[0].y())
                            - std::int64_t(v[1].y() - v[0].y()) * (v[2].x() - v[0].x());
    if (area == 0)
        return r;
    if (area < 0)
        std::swap(v[1], v[2]);
    const int top = std::min({v[0].y(), v[1].y(), v[2].y()});
    const int bottom = std::max({v[0].y(), v[1].y(), v[2].y()});
    const int xmin = std::min({v[0].x(), v[1].x(), v[2].x()});
    const int xmax = std::max({v[0].x(), v[1].x(), v[2].x()});
    r.m_top = top;
    r.m_start.resize(std::size_t(bottom - top));
    r.m_end.resize(std::size_t(bottom - top));
    for (int y = top; y < bottom; ++y) {
        // Doubled coordinates: centre (X, Y) = (2x + 1, 2y + 1). Edge a->b keeps
        // the points with (bx - ax)(Y - ay) - (by - ay)(X - ax) >= 0.
        const std::int64_t Y = 2 * std::int64_t(y) + 1;
        std::int64_t lo = 2 * std::int64_t(xmin), hi = 2 * std::int64_t(xmax);
        bool empty = false;
        for (int i = 0; i < 3 && !empty; ++i) {
            const std::int64_t ax = 2 * v[std::size_t(i)].x(), ay = 2 * v[std::size_t(i)].y();
            const std::int64_t bx = 2 * v[std::size_t((i + 1) % 3)].x();
            const std::int64_t by = 2 * v[std::size_t((i + 1) % 3)].y();
            const std::int64_t A = -(by - ay);
            const std::int64_t C = (bx - ax) * (Y - ay) + (by - ay) * ax;
            if (A > 0)
                lo = std::max(lo, ceilDiv(-C, A));
            else if (A < 0)
                hi = std::min(hi, floorDiv(C, -A));
            else if (C < 0)
                empty = true;
        }
        int a = 0, b = 0;
        if (!empty && lo <= hi) {
            a = int(ceilDiv(lo - 1, 2));
            b = int(floorDiv(hi - 1, 2)) + 1;
        }
        r.m_start[std::size_t(y - top)] = a;
        r.m_end[std::size_t(y - top)] = std::max(a, b);
    }
    return r;
}

TRegion TRegion::translated(int dx, int dy) const
{
    TRegion r = *this;
    r.m_top += dy;
    for (auto& v : r.m_start)
        v += dx;
    for (auto& v : r.m_end)
        v += dx;
    return r;
}

bool TRegion::isEmpty() const
{
    for (std::size_t i = 0; i < m_start.size(); ++i)
        if (m_start[i] < m_end[i])
            return false;
    return true;
}

bool TRegion::contains(int x, int y) const
{
    if (y < firstRow() || y >= endRow())
        return false;
    return x >= spanStart(y) && x < spanEnd(y);
}

int TRegion::pixelCount() const
{
    int n = 0;
    for (std::size_t i = 0; i < m_start.size(); ++i)
        n += std::max(0, m_end[i] - m_start[i]);
    return n;
}

QRect TRegion::boundingRect() const
{
    QRect b;
    for (int y = firstRow(); y < endRow(); ++y)
        if (spanStart(y) < spanEnd(y))
            b |= QRect(spanStart(y), y, spanEnd(y) - spanStart(y), 1);
    return b;
}

QRegion TRegion::toQRegion() const
{
    QRegion q;
    for (int y = firstRow(); y < endRow(); ++y)
        if (spanStart(y) < spanEnd(y))
            q += QRect(spanStart(y), y, spanEnd(y) - spanStart(y), 1);
    return q;
}

void TRegion::interiorSpan(int y, int& a, int& b) const
{
    a = b = 0;
    if (y <= firstRow() || y >= endRow() - 1)
        return;
    a = std::max({spanStart(y) + 1, spanStart(y - 1), spanStart(y + 1)});
    b = std::min({spanEnd(y) - 1, spanEnd(y - 1), spanEnd(y + 1)});
    if (spanStart(y - 1) >= spanEnd(y - 1) || spanStart(y + 1) >= spanEnd(y + 1))
        b = a;
    if (b < a)
        b = a;
}

void TRegion::outlineSpans(int y, int& a0, int& a1, int& b0, int& b1) const
{
    a0 = a1 = b0 = b1 = 0;
    if (y < firstRow() || y >= endRow())
        return;
    const int s = spanStart(y), e = spanEnd(y);
    if (s >= e)
        return;
    int i0, i1;
    interiorSpan(y, i0, i1);
    if (i0 >= i1) {
        a0 = s;
        a1 = e;
        return;
    }
    a0 = s;
    a1 = i0;
    b0 = i1;
    b1 = e;
}

// ---------------------------------------------------------------------------
// Balloon geometry.

TBalloonShapes balloonShapes(int W, int H, int TH, THintPosition placement, THintStyle style,
                             TLinkStyle link, int L, bool shadow, int shadowWidth)
{
    TBalloonShapes s;
    const int sw = (shadow && style != hiText) ? shadowWidth : 0;
    s.sw = sw;
    const int BH = H - sw - L;
    s.BH = BH;
    const int t = W / 3;
    const int h2 = BH / 2;
    const bool above = placement == hiTopRight || placement == hiTopLeft;
    if (above) {
        s.B = {0, 0, W - sw, BH};
        s.S = {sw, sw, W, H - L};
    } else {
        s.B = {0, L, W - sw, H - sw};
        s.S = {sw, L + sw, W, H};
    }
    const TRect& B = s.B;
    const TRect& S = s.S;

    switch (style) {
    case hiRectangle:
        s.body = TRegion::rectangle(B.left, B.top, B.right, B.bottom);
        s.bodyShadow = TRegion::rectangle(S.left, S.top, S.right, S.bottom - 1);
        break;
    case hiRoundrect:
        s.body = TRegion::roundRect(B.left, B.top, B.right, B.bottom, 15, 15);
        s.bodyShadow = TRegion::roundRect(S.left, S.top, S.right, S.bottom, 15, 15);
        break;
    case hiBubble:
        s.body = ellipseOf(B);
        s.bodyShadow = ellipseOf(S);
        break;
    case hiImage:
    case hiTexture:
        s.body = TRegion::rectangle(B.left, B.top, B.right, B.bottom);
        s.bodyShadow = TRegion::rectangle(S.left, S.top, S.right, S.bottom);
        break;
    case hiText:
        s.body = TRegion::rectangle(B.left, B.top, B.right, B.bottom);
        break;
    }
    s.shadowEllipse = ellipseOf(S);

    // The arrow: a wide one based at mid-height for the ellipse, a narrow
    // wedge near the body's corner otherwise.
    auto& P = s.P;
    auto& Q = s.Q;
    if (style == hiBubble) {
        switch (placement) {
        case hiTopRight:
            P = {QPoint(t, BH - h2), QPoint(0, H - sw), QPoint(2 * t, BH - h2)};
            Q = {QPoint(sw + t, H - L - h2), QPoint(sw, H), QPoint(sw + 2 * t, H - L - h2)};
            break;
        case hiTopLeft:
            P = {QPoint(W - sw - t, BH - h2), QPoint(W - sw, H - sw), QPoint(W - sw - 2 * t, BH - h2)};
            Q = {QPoint(W - t, H - L - h2), QPoint(W, H), QPoint(W - 2 * t, H - L - h2)};
            break;
        case hiBottomRight:
            P = {QPoint(t, L + h2), QPoint(0, 0), QPoint(2 * t, L + h2)};
            Q = {QPoint(sw + t, L + sw + h2), QPoint(sw, sw), QPoint(sw + 2 * t, L + sw + h2)};
            break;
        case hiBottomLeft:
            P = {QPoint(W - sw - t, L + h2), QPoint(W - sw, 0), QPoint(W - sw - 2 * t, L + h2)};
            Q = {QPoint(W - t, L + sw + h2), QPoint(W, sw), QPoint(W - 2 * t, L + sw + h2)};
            break;
        }
    } else {
        switch (placement) {
        case hiTopRight:
            P = {QPoint(10, BH - 2), QPoint(0, H - sw), QPoint(30, BH - 2)};
            Q = {QPoint(sw + 10, H - L - 1), QPoint(sw, H), QPoint(sw + 30, H - L - 1)};
            break;
        case hiTopLeft:
            P = {QPoint(W - sw - 10, BH - 2), QPoint(W - sw, H - sw), QPoint(W - sw - 30, BH - 2)};
            Q = {QPoint(W - 10, H - L - 1), QPoint(W, H), QPoint(W - 30, H - L - 1)};
            break;
        case hiBottomRight:
            P = {QPoint(10, L + 1), QPoint(0, 0), QPoint(30, L + 1)};
            Q = {QPoint(sw + 10, L + sw), QPoint(sw, sw), QPoint(sw + 30, L + sw)};
            break;
        case hiBottomLeft:
            P = {QPoint(W - sw - 10, L + 2), QPoint(W - sw, 0), QPoint(W - sw - 30, L + 2)};
            Q = {QPoint(W - 10, L + sw), QPoint(W, sw), QPoint(W - 30, L + sw)};
            break;
        }
    }
    switch (placement) {
    case hiTopRight: s.arrowShadowScan = QRect(QPoint(Q[1].x(), Q[0].y()), QPoint(Q[2].x(), Q[1].y())); break;
    case hiTopLeft: s.arrowShadowScan = QRect(QPoint(Q[2].x(), Q[0].y()), QPoint(Q[1].x(), Q[1].y())); break;
    case hiBottomRight: s.arrowShadowScan = QRect(QPoint(Q[1].x(), Q[1].y()), QPoint(Q[2].x(), Q[0].y())); break;
    case hiBottomLeft: s.arrowShadowScan = QRect(QPoint(Q[2].x(), Q[1].y()), QPoint(Q[1].x(), Q[0].y())); break;
    }

    // The link bubbles.
    auto& C = s.C;
    switch (placement) {
    case hiTopRight:
        C = {TRect{0, H - sw - 6, 6, H - sw}, TRect{7, H - sw - 12, 17, H - sw - 2},
             TRect{15, H - sw - 25, 30, H - sw - 10}};
        break;
    case hiTopLeft:
        C = {TRect{W - sw - 6, H - sw - 6, W - sw, H - sw},
             TRect{W - sw - 17, H - sw - 12, W - sw - 7, H - sw - 2},
             TRect{W - sw - 30, H - sw - 25, W - sw - 15, H - sw - 10}};
        break;
    case hiBottomRight:
        C = {TRect{0, 0, 6, 6}, TRect{7, 2, 17, 12}, TRect{15, 10, 30, 25}};
        break;
    case hiBottomLeft:
        C = {TRect{W - sw - 6, 0, W - sw, 6}, TRect{W - sw - 17, 2, W - sw - 7, 12},
             TRect{W - sw - 30, 10, W - sw - 15, 25}};
        break;
    }

    if (link == liArrow) {
        s.arrow = TRegion::triangle(P[0], P[1], P[2]);
        s.arrowShadow = TRegion::triangle(Q[0], Q[1], Q[2]);
    } else if (link == liBubble) {
        for (std::size_t i = 0; i < 3; ++i) {
            s.circles[i] = ellipseOf(C[i]);
            s.circleShadows[i] = ellipseOf(moved(C[i], sw));
        }
    }

    switch (style) {
    case hiRectangle:
    case hiTexture: s.textRect = {B.left + 2, B.top, B.right - 2, B.bottom}; break;
    case hiRoundrect: s.textRect = {B.left + 3, B.top, B.right - 3, B.bottom}; break;
    case hiBubble:
        s.textRect = {B.left + TH / 2, B.top + (B.bottom - B.top - TH) / 2, B.right - TH / 2, B.bottom};
        break;
    case hiImage: s.textRect = {B.left + 5, B.top + 5, B.right - 5, B.bottom - 5}; break;
    case hiText: s.textRect = B; break;
    }
    return s;
}

// ---------------------------------------------------------------------------
// Pixel helpers.

void ShadeRegion(QImage& target, const QRect& R, const TRegion& region, TQuality quality,
                 int intensity)
{
    shade(target, R, region, nullptr, quality, intensity);
}

void ShadeRegionExcept(QImage& target, const QRect& R, const TRegion& region,
                       const TRegion& excluded, TQuality quality, int intensity)
{
    shade(target, R, region, &excluded, quality, intensity);
}

void DrawBitmapAt(QImage& target, int x, int y, const QImage& picture)
{
    if (target.isNull() || picture.isNull())
        return;
    QPainter p(&target);
    p.drawImage(x, y, picture);
}

void TileBitmap(QImage& target, int x, int y, int width, int height, const QImage& picture)
{
    if (target.isNull() || picture.width() <= 0 || picture.height() <= 0 || width <= 0
        || height <= 0)
        return;
    QImage scratch(width, height, QImage::Format_RGB32);
    if (scratch.isNull())
        return;
    scratch.fill(Qt::black);
    {
        QPainter p(&scratch);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        const int pw = picture.width(), ph = picture.height();
        for (int r = 0; r <= height / ph; ++r)
            for (int c = 0; c <= width / pw; ++c)
                p.drawImage(c * pw, r * ph, picture);
    }
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, scratch);
}

// ---------------------------------------------------------------------------
// The balloon.

void DrawHint(QImage& target, const TFontData& font, int W, int H, int TH, TColor fillColor,
              const QString& text, THintPosition placement, THintStyle style, TLinkStyle link,
              int L, bool shadow, TQuality quality, int shadowWidth, int intensity,
              const QImage& picture, bool border, TColor borderColor, const TShading& shading)
{
    // No balloon is larger than a screen; sizes beyond that would only
    // overflow the shape arithmetic.
    auto sane = [](int v) { return v >= -kMaxBalloonSide && v <= kMaxBalloonSide; };
    if (target.isNull() || !sane(W) || !sane(H) || !sane(TH) || !sane(L) || !sane(shadowWidth))
        return;
    make32Bit(target);
    const TBalloonShapes s =
        balloonShapes(W, H, TH, placement, style, link, L, shadow, shadowWidth);
    const TRect& B = s.B;

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

    const QRgb brush = opaque(fillColor);
    const QRgb pen = border ? opaque(borderColor) : brush;

    // The body.
    switch (style) {
    case hiRectangle:
    case hiRoundrect:
    case hiBubble:
        drawShape(target, s.body, brush, pen);
        break;
    case hiImage:
        if (border) {
            outlineRegion(target, s.body, pen);
            DrawBitmapAt(target, B.left + 1, B.top + 1, picture);
        } else {
            DrawBitmapAt(target, B.left, B.top, picture);
        }
        break;
    case hiTexture:
        if (border) {
            outlineRegion(target, s.body, pen);
            TileBitmap(target, B.left + 1, B.top + 1, B.width() - 2, B.height() - 2, picture);
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
        drawShape(target, s.arrow, brush, pen);
    } else if (link == liBubble) {
        for (const TRegion& c : s.circles)
            drawShape(target, c, brush, pen);
    }

    // The inside of the body once more: hides the part of the link that lies
    // inside the body and keeps the outline whole.
    if (style == hiRectangle || style == hiRoundrect || style == hiBubble)
        fillInterior(target, s.body, brush);

    // The text.
    const TRect& tr = s.textRect;
    if (!text.isEmpty() && tr.width() > 0 && tr.height() > 0) {
        QString shown = text.left(kMaxTextChars);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QRect box(tr.left, tr.top, tr.width(), tr.height());
        QPainter p(&target);
        p.setClipRect(box);
        p.setFont(hintFont(font));
        p.setPen(toQColor(font.Color));
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    }
}

} // namespace trelmo
