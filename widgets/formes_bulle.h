#pragma once
// The shapes of one balloon, in pixels: the body of each style, its shadow,
// the link to the pointer (an arrow or three small bubbles) and its shadow,
// and where the text goes.
#include "widgets/rasterisation.h"

#include <array>
#include <cstdint>

namespace trelmo {

enum THintStyle : std::uint8_t { hiRectangle, hiRoundrect, hiBubble, hiImage, hiTexture, hiText };
enum TLinkStyle : std::uint8_t { liNone, liArrow, liBubble };
// Where the balloon lies relative to the pointer.
enum THintPosition : std::uint8_t { hiTopRight, hiTopLeft, hiBottomRight, hiBottomLeft };

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

// W, H, TH, L and shadowWidth in pixels of the picture; k scales the
// shapes' own lengths (the arrow's wedge, the link bubbles, the corners, the
// text's margins) for a picture of k device pixels to a window pixel.
TBalloonShapes balloonShapes(int W, int H, int TH, THintPosition placement, THintStyle style,
                             TLinkStyle link, int L, bool shadow, int shadowWidth, double k = 1.0);

} // namespace trelmo
