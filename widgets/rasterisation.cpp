#include "widgets/rasterisation.h"

#include <QPainter>

#include <algorithm>
#include <array>
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
// Pixel access.

bool is32Bit(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
        || f == QImage::Format_ARGB32_Premultiplied;
}

inline QRgb* row(QImage& img, int y)
{
    return reinterpret_cast<QRgb*>(img.scanLine(y));
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

} // namespace

int shiftChannel(int v, int d)
{
    const int s = v + d;
    if (d > 0)
        return s > 255 ? 254 : s;
    return s < 0 ? 1 : s;
}

void make32Bit(QImage& img)
{
    if (!is32Bit(img.format()))
        img.convertTo(img.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
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

void outlineRegionWide(QImage& img, const TRegion& r, int m, QRgb colour)
{
    const TRegion in = r.eroded(m);
    const int y0 = std::max(r.firstRow(), 0);
    const int y1 = std::min(r.endRow(), img.height());
    for (int y = y0; y < y1; ++y) {
        const int a = r.spanStart(y), b = r.spanEnd(y);
        const int c = in.spanStart(y), d = in.spanEnd(y);
        if (c >= d) {
            fillSpan(img, y, a, b, colour);
        } else {
            fillSpan(img, y, a, c, colour);
            fillSpan(img, y, d, b, colour);
        }
    }
}

void drawShapeWide(QImage& img, const TRegion& r, int m, QRgb brush, QRgb pen)
{
    fillRegion(img, r, brush);
    if (pen != brush)
        outlineRegionWide(img, r, m, pen);
}

void drawShape(QImage& img, const TRegion& r, QRgb brush, QRgb pen)
{
    fillRegion(img, r, brush);
    if (pen != brush)
        outlineRegion(img, r, pen);
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

TRegion TRegion::eroded(int m) const
{
    TRegion r;
    if (isEmpty() || m <= 0)
        return *this;
    r.m_top = m_top;
    const int n = int(m_start.size());
    r.m_start.assign(std::size_t(n), 0);
    r.m_end.assign(std::size_t(n), 0);
    for (int i = m; i < n - m; ++i) {
        int a = m_start[std::size_t(i)], b = m_end[std::size_t(i)];
        for (int j = i - m; j <= i + m; ++j) {
            a = std::max(a, m_start[std::size_t(j)]);
            b = std::min(b, m_end[std::size_t(j)]);
        }
        r.m_start[std::size_t(i)] = a + m;
        r.m_end[std::size_t(i)] = b - m;
    }
    return r;
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

} // namespace trelmo
