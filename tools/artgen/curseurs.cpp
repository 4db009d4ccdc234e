// The four mouse cursors, 32 x 32 in black, white and transparent.
//
// The raised-finger hand is drawn pixel by pixel. The open hand is built from
// simple shapes (palm, fingers, thumb, cuff) in the hand's own frame, turned
// to reach down to the left and rasterised with a one-pixel black outline
// around the silhouette and between the fingers.
#include "art.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace trelmo::art {
namespace {

constexpr QRgb noir = 0xff000000u, blanc = 0xffffffffu, vide = 0x00000000u;

QImage depuis_texte(const std::array<std::string_view, 32>& lignes)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char c = x < static_cast<int>(lignes[static_cast<size_t>(y)].size())
                               ? lignes[static_cast<size_t>(y)][static_cast<size_t>(x)]
                               : ' ';
            image.setPixel(x, y, c == '#' ? noir : c == '.' ? blanc : vide);
        }
    return image;
}

// The open hand works on the 45-degree lattice s = x + y (across the fingers)
// and t = y - x (along them, growing towards the lower left), so that the
// fingers are crisp diagonal bands, three pixels wide.
struct Main {
    int dx = 0, dy = 0;          // shift of the whole hand
    bool bille = false;
    float bx = 0, by = 0, br = 0;  // marble, in cursor pixels
};

enum Part { Rien = -1, Paume = 0, Manchette = 1, Pouce = 2, Doigt = 3 };

constexpr int s0 = 21;                      // first finger's outer edge
constexpr int bouts[4] = {13, 17, 14, 9};   // tips: index, middle, ring, little finger

// The part of the hand at (x, y), in cursor pixels: whole numbers name the
// pixels of the 32 x 32 cursor, fractions the finer points of a larger one.
int partie(float x, float y, const Main& m)
{
    x -= static_cast<float>(m.dx);
    y -= static_cast<float>(m.dy);
    const float s = x + y, t = y - x;
    // Fingers three pixels wide with a one-pixel gap between them, the later
    // drawn over the earlier where they meet at the knuckles.
    for (int k = 3; k >= 0; --k) {
        const int a = s0 + 6 * k;
        if (s < a || s > a + 4 || t < 0)
            continue;
        const bool cote = s < a + 0.5f || s > a + 3.5f;
        if (t <= bouts[k] - (cote ? 2 : 0))
            return Doigt + k;
    }
    // Palm: a rounded block across the four fingers, filling the gaps at the knuckles.
    if (s >= s0 && s <= s0 + 22 && t >= -9 && t <= 3) {
        const float bord = std::min(s - s0, s0 + 22 - s);
        const int rang = static_cast<int>(std::floor(s + 0.5f));
        if (t <= 1 || bord >= 3 || (t <= 3 && rang % 6 != (s0 + 5) % 6))
            if (!(t < -8.5f && bord < 2))
                return Paume;
    }
    // Cuff at the wrist.
    if (s >= s0 + 1 && s <= s0 + 21 && t >= -16 && t <= -9)
        return Manchette;
    // Thumb, reaching out to the left above the index.
    const float px = x + 0.5f, py = y + 0.5f;
    const float ax = 14.f, ay = 9.f, bx = 5.5f, by = 10.5f;
    const float vx = bx - ax, vy = by - ay;
    const float u = std::clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.f, 1.f);
    if (std::hypot(px - ax - u * vx, py - ay - u * vy) <= 2.3f)
        return Pouce;
    return Rien;
}

// Side of a cursor drawn with k device pixels to a cursor pixel, and the
// cursor pixel at the centre of a device pixel.
int cote(float k)
{
    return static_cast<int>(std::lround(32 * k));
}
float au_centre(int v, float k)
{
    return (static_cast<float>(v) + 0.5f) / k - 0.5f;
}

QImage dessine_main(const Main& m, float k)
{
    const int w = cote(k);
    const int e = std::max(1, static_cast<int>(std::lround(k)));   // the outline's width
    std::vector<int> parties(static_cast<size_t>(w) * w);
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < w; ++x)
            parties[static_cast<size_t>(y) * w + x] = partie(au_centre(x, k), au_centre(y, k), m);
    auto at = [&](int x, int y) { return (x < 0 || y < 0 || x >= w || y >= w) ? Rien : parties[static_cast<size_t>(y) * w + x]; };
    QImage image(w, w, QImage::Format_ARGB32);
    image.fill(vide);
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < w; ++x) {
            const int p = at(x, y);
            if (p == Rien)
                continue;
            bool trait = false;
            for (auto [dx, dy] : {std::pair{e, 0}, {-e, 0}, {0, e}, {0, -e}}) {
                const int n = at(x + dx, y + dy);
                // The silhouette, the lines between the fingers, between the
                // thumb and the index, and at the cuff.
                if (n == Rien || (p >= Doigt && n >= Doigt && n < p) || (p == Doigt && n == Pouce)
                    || (p == Manchette && n == Paume)) {
                    trait = true;
                    break;
                }
            }
            image.setPixel(x, y, trait ? noir : blanc);
        }
    if (m.bille) {
        // A black marble held under the fingertips, with a white glint and a
        // white halo so that it shows on a dark board.
        for (int y = 0; y < w; ++y)
            for (int x = 0; x < w; ++x) {
                const float d = std::hypot(au_centre(x, k) + 0.5f - m.bx, au_centre(y, k) + 0.5f - m.by);
                if (d <= m.br)
                    image.setPixel(x, y, noir);
                else if (d <= m.br + 1.1f && qAlpha(image.pixel(x, y)) == 0)
                    image.setPixel(x, y, blanc);
            }
        // The glint: one cursor pixel.
        const int hx = static_cast<int>(m.bx - m.br * 0.45f), hy = static_cast<int>(m.by - m.br * 0.45f);
        for (int y = static_cast<int>(std::lround(hy * k)); y < std::lround((hy + 1) * k); ++y)
            for (int x = static_cast<int>(std::lround(hx * k)); x < std::lround((hx + 1) * k); ++x)
                image.setPixel(x, y, blanc);
    }
    return image;
}

} // namespace

Curseur curseur_main(float k)
{
    return {dessine_main(Main{}, k), QPoint(7, 23)};
}

Curseur curseur_deplace(float k)
{
    Main m;
    m.dx = 3;
    m.dy = -2;
    m.bille = true;
    m.bx = 8.5f;
    m.by = 25.5f;
    m.br = 4.2f;
    return {dessine_main(m, k), QPoint(8, 25)};
}

Curseur curseur_impossible(float k)
{
    // The carrying hand reaching into the sign, the marble under the bar.
    Main m;
    m.dx = 5;
    m.dy = -9;
    m.bille = true;
    m.bx = 10.5f;
    m.by = 18.0f;
    m.br = 3.6f;
    QImage image = dessine_main(m, k);
    // The sign: a ring and a bar from upper left to lower right, black with a white edge.
    const float cx = 14.5f, cy = 14.5f, R = 12.0f, e = 1.5f;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const float px = au_centre(x, k) + 0.5f - cx, py = au_centre(y, k) + 0.5f - cy;
            const float d = std::hypot(px, py);
            if (d > R + e + 1.0f) {
                image.setPixel(x, y, vide);  // nothing sticks out of the sign
                continue;
            }
            const float anneau = std::abs(d - R);
            const float barre = d <= R ? std::abs(px - py) / 1.41421f : 99.f;
            const float dist = std::min(anneau, barre);
            if (dist <= e)
                image.setPixel(x, y, noir);
            else if (dist <= e + 1.0f)
                image.setPixel(x, y, blanc);
        }
    return {image, QPoint(9, 13)};
}

namespace {

// The pixel art enlarged twice by the rule that keeps its diagonals smooth:
// each pixel becomes four, a corner taking the colour of its two neighbours
// when they agree.
QImage double_lisse(const QImage& a)
{
    QImage b(a.width() * 2, a.height() * 2, QImage::Format_ARGB32);
    auto px = [&](int x, int y) {
        return a.pixel(std::clamp(x, 0, a.width() - 1), std::clamp(y, 0, a.height() - 1));
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = px(x, y), h = px(x, y - 1), d = px(x + 1, y), g = px(x - 1, y), bas = px(x, y + 1);
            b.setPixel(2 * x, 2 * y, (g == h && g != bas && h != d) ? h : p);
            b.setPixel(2 * x + 1, 2 * y, (h == d && h != g && d != bas) ? d : p);
            b.setPixel(2 * x, 2 * y + 1, (bas == g && bas != d && g != h) ? g : p);
            b.setPixel(2 * x + 1, 2 * y + 1, (d == bas && d != h && bas != g) ? bas : p);
        }
    return b;
}

} // namespace

Curseur curseur_tophand(float k)
{
    static constexpr std::array<std::string_view, 32> dessin = {
        "",
        "",
        "          ####",
        "         #....#",
        "         #....#",
        "         #....#",
        "         #....#",
        "         #....#",
        "         #....#",
        "         #....####",
        "         #....#...####",
        "         #....#...#...####",
        "         #....#...#...#...#",
        "    ###  #....#...#...#...#",
        "   #...# #....#...#...#...#",
        "   #....##....#...#...#...#",
        "    #...#.................#",
        "    #....#................#",
        "     #...#................#",
        "     #....................#",
        "      #...................#",
        "      #..................#",
        "       #.................#",
        "        #...............#",
        "        #...............#",
        "         #.............#",
        "         #.............#",
        "         ###############",
        "",
        "",
        "",
        "",
    };
    QImage image = depuis_texte(dessin);
    if (k != 1.f) {
        // Pixel art: smoothed when enlarged twice or more.
        if (k >= 2.f)
            image = double_lisse(image);
        image = image.scaled(cote(k), cote(k), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return {image, QPoint(11, 3)};
}

} // namespace trelmo::art
