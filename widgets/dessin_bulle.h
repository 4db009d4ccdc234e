#pragma once
// Drawing of one balloon hint into an off-screen picture that already holds
// what lies beneath the balloon: a body of one of six styles, a link pointing
// from the body to the mouse pointer (an arrow or three small bubbles), a soft
// drop shadow made by darkening the pixels beneath, and the hint text.
//
// The shapes (widgets/formes_bulle.h) and their pixels (widgets/rasterisation.h)
// are computed with integers, so a balloon is the same picture on every machine.
//
// The game draws one design only: the ellipse (hiBubble) with an arrow to
// the pointer (liArrow), white with a silver border, a 5-pixel shadow of
// intensity 35 shaded on every pixel (quHi), black text; the defaults of
// THintSettings are that design (the font aside, which the window gives).
// The other styles and links (rectangle, rounded rectangle, picture, tiled
// texture, bare text, link bubbles, no link) stay drawable for a design that
// asks for them.
#include "widgets/formes_bulle.h"
#include "widgets/rasterisation.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>

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

// Everything one balloon is drawn from.
struct THintSettings {
    TFontData font;
    int W = 0, H = 0;               // the whole picture: body, link and shadow
    int TH = 0;                     // height of the hint text rectangle
    TColor fillColor = clWhite;
    QString text;
    THintPosition placement = hiTopRight;
    THintStyle style = hiBubble;
    TLinkStyle link = liArrow;
    int L = 15;                     // link height: 15 arrow, 20 bubbles, 10 none
    bool shadow = true;
    TQuality quality = quHi;
    int shadowWidth = 5;            // 0..10
    int intensity = 35;             // 0..255, darkening per channel
    QImage picture;                 // body of hiImage, tile of hiTexture
    bool border = true;
    TColor borderColor = clSilver;
};

// Draw a balloon of W x H pixels over the target's content.
void DrawHint(QImage& target, const THintSettings& s, const TShading& shading = TShading{});

// The same balloon for a screen of `ratio` device pixels to a window pixel:
// the settings in window pixels as for DrawHint, the target the picture
// beneath in device pixels, round(W ratio) x round(H ratio). The shapes, the
// 1-pixel border (round(ratio) pixels wide), the shadow and the text are drawn
// at the device's resolution; the picture of hiImage and hiTexture is taken
// as it is (give one drawn for the ratio). At a ratio of 1, DrawHint itself.
void DrawHintAt(QImage& target, const THintSettings& s, qreal ratio, const TShading& shading = TShading{});

} // namespace trelmo
