#pragma once
// Drawing of one balloon hint into an off-screen picture that already holds
// what lies beneath the balloon: a body of one of six styles, a link pointing
// from the body to the mouse pointer (an arrow or three small bubbles), a soft
// drop shadow made by darkening the pixels beneath, and the hint text.
//
// Every shape is rasterised once into a TRegion (one span of pixels per row:
// all the shapes are convex). The same TRegion serves to fill the shape, to
// draw its outline and to test or shade the pixels it covers, so a region and
// the shape drawn for the same rectangle always cover exactly the same pixels.
//
// Rectangles given as (left, top, right, bottom) follow the raster convention:
// they cover the columns left to right - 1 and the rows top to bottom - 1.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace trelmo {

// ---------------------------------------------------------------------------
// Colours: 32-bit values, red in the low byte, then green, then blue. A value
// whose top byte is not zero names a system colour; its low byte is the index
// of that system colour (COLOR_WINDOW = 5, COLOR_INFOBK = 24, ...). System
// colours are resolved from the application's palette before any arithmetic.
using TColor = std::uint32_t;

inline constexpr TColor clSystemColor = 0xFF000000u;
inline constexpr TColor clBlack = 0x000000u;
inline constexpr TColor clWhite = 0xFFFFFFu;
inline constexpr TColor clSilver = 0xC0C0C0u;
inline constexpr TColor clGray = 0x808080u;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int redOf(TColor c) { return int(c & 0xFF); }
constexpr int greenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(TColor c) { return int((c >> 16) & 0xFF); }

// The red-green-blue value of a colour (system colours resolved), top byte 0.
TColor ColorToRGB(TColor c);
// Conversions to and from QColor (opaque; alpha is dropped).
QColor toQColor(TColor c);
TColor fromQColor(const QColor& c);

// A colour with d added to each channel. With d > 0 a channel that would go
// past 255 ends at 254; with d <= 0 a channel that would go below 0 ends at 1.
// The result's top byte is 0.
TColor ShiftColor(TColor colour, int d);

// ---------------------------------------------------------------------------
enum THintStyle : std::uint8_t { hiRectangle, hiRoundrect, hiBubble, hiImage, hiTexture, hiText };
enum TLinkStyle : std::uint8_t { liNone, liArrow, liBubble };
// Where the balloon lies relative to the pointer.
enum THintPosition : std::uint8_t { hiTopRight, hiTopLeft, hiBottomRight, hiBottomLeft };
enum TQuality : std::uint8_t { quHi, quLow };

// Font styles of TFontData::Style (a set of bits).
enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The text font of a balloon.
struct TFontData {
    TColor Color = clBlack;
    int Size = 10;              // points (13 pixels at 96 dots per inch for 10)
    std::uint8_t Style = 0;     // TFontStyle bits
    QString Name = QStringLiteral("Arial");

    bool operator==(const TFontData&) const = default;
};

inline constexpr int kMaxTextPoints = 30;   // larger sizes are drawn at 30 points
inline constexpr int kMaxTextChars = 300;   // longer texts are cut

// The font a balloon text is drawn and measured in: size capped at 30 points
// and turned into pixels at 96 dots per inch, whatever the device.
QFont hintFont(const TFontData& f);
// A font description from a QFont and a text colour.
TFontData fontDataOf(const QFont& font, TColor colour);

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

// Every shape of one balloon, computed from the inputs of DrawHint.
struct TBalloonShapes {
    int sw = 0;                 // shadow width in use
    int BH = 0;                 // body height
    TRect B, S;                 // body and shadow rectangles
    TRegion body;               // body shape (rectangle B for the picture styles)
    TRegion bodyShadow;         // region shaded under the body
    TRegion shadowEllipse;      // ellipse inscribed in S: excluded from the arrow's shadow
    std::array<QPoint, 3> P{}, Q{}; // arrow and its shadow (index 1 is the tip)
    TRegion arrow, arrowShadow;
    QRect arrowShadowScan;      // scanned area of the arrow's shadow, edges included
    std::array<TRect, 3> C{};   // link bubbles, the smallest at the tip
    std::array<TRegion, 3> circles, circleShadows;
    TRect textRect;             // where the text goes
};

TBalloonShapes balloonShapes(int W, int H, int TH, THintPosition placement, THintStyle style,
                             TLinkStyle link, int L, bool shadow, int shadowWidth);

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

// The two shading operations DrawHint uses (a benchmark substitutes a
// pixel-by-pixel reference for them).
struct TShading {
    void (*region)(QImage&, const QRect&, const TRegion&, TQuality, int) = ShadeRegion;
    void (*regionExcept)(QImage&, const QRect&, const TRegion&, const TRegion&, TQuality,
                         int) = ShadeRegionExcept;
};

// Largest balloon side DrawHint accepts; W, H, TH, L or a shadow width beyond
// +-kMaxBalloonSide draw nothing.
inline constexpr int kMaxBalloonSide = 32767;

// Draw a balloon of W x H pixels over the target's content.
// TH: height of the hint text rectangle; L: link height (15 arrow, 20 bubbles,
// 10 none); shadowWidth 0..10; intensity 0..255 (darkening per channel).
void DrawHint(QImage& target, const TFontData& font, int W, int H, int TH, TColor fillColor,
              const QString& text, THintPosition placement, THintStyle style, TLinkStyle link,
              int L, bool shadow, TQuality quality, int shadowWidth, int intensity,
              const QImage& picture, bool border, TColor borderColor,
              const TShading& shading = TShading{});

} // namespace trelmo
