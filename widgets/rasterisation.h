#pragma once
// The rasteriser of the balloons: convex shapes turned into one span of
// pixels per row (TRegion), and the pixel operations done with them on a
// 32-bit QImage: filling, outlining, shading, pictures drawn or tiled.
//
// The same TRegion serves to fill a shape, to draw its outline and to test or
// shade the pixels it covers, so a region and the shape drawn for the same
// rectangle always cover exactly the same pixels.
//
// Rectangles given as (left, top, right, bottom) follow the raster convention:
// they cover the columns left to right - 1 and the rows top to bottom - 1.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <vector>

namespace trelmo {

// How densely a shadow is shaded: every pixel, or one pixel in two.
enum TQuality : std::uint8_t { quHi, quLow };

// A channel value with d added. With d > 0 a value that would go past 255
// ends at 254; with d <= 0 a value that would go below 0 ends at 1.
int shiftChannel(int v, int d);

// ---------------------------------------------------------------------------
// A set of pixels made of one horizontal span per row, as produced by the
// rasterisation of a convex shape.
// Coordinates are expected within +-32767 (the largest picture side).
class TRegion {
public:
    TRegion() = default;

    static TRegion rectangle(int left, int top, int right, int bottom);
    // Rectangle with corners rounded by an ew x eh ellipse.
    static TRegion roundRect(int left, int top, int right, int bottom, int ew, int eh);
    // Ellipse inscribed in the rectangle: the pixels whose centre lies inside it.
    static TRegion ellipse(int left, int top, int right, int bottom);
    // Triangle through three points (pixel corners), filled by the winding
    // rule: the pixels whose centre lies inside or on its edges. A flat
    // triangle is empty.
    static TRegion triangle(QPoint a, QPoint b, QPoint c);

    TRegion translated(int dx, int dy) const;

    bool isEmpty() const;
    bool contains(int x, int y) const;
    int pixelCount() const;
    QRect boundingRect() const;
    QRegion toQRegion() const;

    // Rows firstRow() to endRow() - 1 carry a span [spanStart(y), spanEnd(y));
    // a row whose start is not below its end is empty. Rows outside have none.
    int firstRow() const { return m_top; }
    int endRow() const { return m_top + int(m_start.size()); }
    int spanStart(int y) const { return m_start[std::size_t(y - m_top)]; }
    int spanEnd(int y) const { return m_end[std::size_t(y - m_top)]; }

    // The pixels of the outline drawn with a 1-pixel pen: pixels of the region
    // with a left, right, upper or lower neighbour outside it. The interior is
    // the rest; both are computed per row.
    void outlineSpans(int y, int& a0, int& a1, int& b0, int& b1) const;
    void interiorSpan(int y, int& a, int& b) const;

    // The pixels at least m pixels deep inside the region in every direction
    // (a square m pixels on each side fits around them): the region less its
    // outline drawn m pixels wide.
    TRegion eroded(int m) const;

private:
    int m_top = 0;
    std::vector<int> m_start, m_end;
};

// Rectangle in the raster convention.
struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const TRect&) const = default;
};

// The rectangle's pixels as a QRect (right and bottom edges included), the
// rectangle moved by d along both axes, and the ellipse inscribed in it.
QRect inclusive(const TRect& r);
TRect moved(const TRect& r, int d);
TRegion ellipseOf(const TRect& r);

// ---------------------------------------------------------------------------
// Pixel helpers. The target is a 32-bit QImage (Format_RGB32, ARGB32 or
// ARGB32_Premultiplied; any other format is converted to one of them first).
// In an image with an alpha channel a fully transparent pixel stands for an
// unknown background: shading turns it into black with alpha = intensity.

// Darken by `intensity` every pixel of R that lies in the region. R is scanned
// from R.left() to R.right() and R.top() to R.bottom(), both edges included;
// quHi shades every pixel, quLow only those whose x + y is even, any other
// quality none. Pixels outside the target are skipped.
void ShadeRegion(QImage& target, const QRect& R, const TRegion& region, TQuality quality,
                 int intensity);
// The same, skipping also every pixel of the excluded region.
void ShadeRegionExcept(QImage& target, const QRect& R, const TRegion& region,
                       const TRegion& excluded, TQuality quality, int intensity);
// Draw the picture at its own size with its top-left corner at (x, y).
void DrawBitmapAt(QImage& target, int x, int y, const QImage& picture);
// Fill the width x height area at (x, y) with copies of the picture, from the
// area's top-left corner. A picture without width or height draws nothing.
void TileBitmap(QImage& target, int x, int y, int width, int height, const QImage& picture);


// Filling: a region with one colour; its outline (1-pixel pen) or its
// interior alone; a shape drawn with a pen and a brush (the brush fills it,
// the pen draws its outline). Rows and columns outside the target are skipped.
void fillRegion(QImage& img, const TRegion& r, QRgb colour);
void outlineRegion(QImage& img, const TRegion& r, QRgb colour);
void fillInterior(QImage& img, const TRegion& r, QRgb colour);
void drawShape(QImage& img, const TRegion& r, QRgb brush, QRgb pen);
// The same with a pen m pixels wide, drawn inside the region.
void outlineRegionWide(QImage& img, const TRegion& r, int m, QRgb colour);
void drawShapeWide(QImage& img, const TRegion& r, int m, QRgb brush, QRgb pen);

// Converts the image to a 32-bit format if it is not one already.
void make32Bit(QImage& img);

} // namespace trelmo
