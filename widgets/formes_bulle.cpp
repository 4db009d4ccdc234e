#include "widgets/formes_bulle.h"

#include <cmath>

namespace trelmo {

// ---------------------------------------------------------------------------
// Balloon geometry.

TBalloonShapes balloonShapes(int W, int H, int TH, THintPosition placement, THintStyle style,
                             TLinkStyle link, int L, bool shadow, int shadowWidth, double k)
{
    // The shapes' own lengths, in device pixels.
    auto u = [k](int v) { return k == 1.0 ? v : static_cast<int>(std::lround(v * k)); };
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
        s.bodyShadow = TRegion::rectangle(S.left, S.top, S.right, S.bottom - u(1));
        break;
    case hiRoundrect:
        s.body = TRegion::roundRect(B.left, B.top, B.right, B.bottom, u(15), u(15));
        s.bodyShadow = TRegion::roundRect(S.left, S.top, S.right, S.bottom, u(15), u(15));
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
            P = {QPoint(u(10), BH - u(2)), QPoint(0, H - sw), QPoint(u(30), BH - u(2))};
            Q = {QPoint(sw + u(10), H - L - u(1)), QPoint(sw, H), QPoint(sw + u(30), H - L - u(1))};
            break;
        case hiTopLeft:
            P = {QPoint(W - sw - u(10), BH - u(2)), QPoint(W - sw, H - sw), QPoint(W - sw - u(30), BH - u(2))};
            Q = {QPoint(W - u(10), H - L - u(1)), QPoint(W, H), QPoint(W - u(30), H - L - u(1))};
            break;
        case hiBottomRight:
            P = {QPoint(u(10), L + u(1)), QPoint(0, 0), QPoint(u(30), L + u(1))};
            Q = {QPoint(sw + u(10), L + sw), QPoint(sw, sw), QPoint(sw + u(30), L + sw)};
            break;
        case hiBottomLeft:
            P = {QPoint(W - sw - u(10), L + u(2)), QPoint(W - sw, 0), QPoint(W - sw - u(30), L + u(2))};
            Q = {QPoint(W - u(10), L + sw), QPoint(W, sw), QPoint(W - u(30), L + sw)};
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
        C = {TRect{0, H - sw - u(6), u(6), H - sw}, TRect{u(7), H - sw - u(12), u(17), H - sw - u(2)},
             TRect{u(15), H - sw - u(25), u(30), H - sw - u(10)}};
        break;
    case hiTopLeft:
        C = {TRect{W - sw - u(6), H - sw - u(6), W - sw, H - sw},
             TRect{W - sw - u(17), H - sw - u(12), W - sw - u(7), H - sw - u(2)},
             TRect{W - sw - u(30), H - sw - u(25), W - sw - u(15), H - sw - u(10)}};
        break;
    case hiBottomRight:
        C = {TRect{0, 0, u(6), u(6)}, TRect{u(7), u(2), u(17), u(12)}, TRect{u(15), u(10), u(30), u(25)}};
        break;
    case hiBottomLeft:
        C = {TRect{W - sw - u(6), 0, W - sw, u(6)}, TRect{W - sw - u(17), u(2), W - sw - u(7), u(12)},
             TRect{W - sw - u(30), u(10), W - sw - u(15), u(25)}};
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
    case hiTexture: s.textRect = {B.left + u(2), B.top, B.right - u(2), B.bottom}; break;
    case hiRoundrect: s.textRect = {B.left + u(3), B.top, B.right - u(3), B.bottom}; break;
    case hiBubble:
        s.textRect = {B.left + TH / 2, B.top + (B.bottom - B.top - TH) / 2, B.right - TH / 2, B.bottom};
        break;
    case hiImage: s.textRect = {B.left + u(5), B.top + u(5), B.right - u(5), B.bottom - u(5)}; break;
    case hiText: s.textRect = B; break;
    }
    return s;
}

} // namespace trelmo
