// The four skins: a textured surface with a bevelled frame, a raised board
// carrying 49 drilled holes, a sunken tray with 44 more, and plates under the
// labels of the window.
#include "art.h"
#include "bruit.h"
#include "geometrie.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace trelmo::art {
namespace {

constexpr float pi = 3.14159265f;

// --- Surfaces ------------------------------------------------------------

Couleur bois(float x, float y)
{
    // Grain running across the board, rings bent by low-frequency noise.
    const float torsion = 7.f * fbm(x / 230.f, y / 80.f, 4, 11) + 0.7f * fbm(x / 45.f, y / 14.f, 3, 12);
    const float t = y * 0.075f + torsion;
    const float anneau = std::pow(0.5f + 0.5f * std::sin(2.f * pi * t), 3.f);
    const float fibre = fbm(x / 70.f, y / 1.4f, 3, 13) - 0.5f;
    const float pore = fbm(x / 9.f, y / 0.9f, 2, 14);
    const float tache = fbm(x / 140.f, y / 140.f, 4, 15) - 0.5f;
    const Couleur clair = rgb(216, 132, 64), fonce = rgb(150, 74, 30);
    Couleur c = melange(clair, fonce, borne(0.55f * anneau + 0.35f * tache + 0.25f));
    c = c * (1.f + 0.16f * fibre - 0.10f * transition(0.62f, 0.8f, pore));
    return c;
}

// (x, y): the point in window pixels; (px, py): the device pixel, which
// carries the finest grain.
Couleur feutre(float x, float y, int px, int py)
{
    const float nuage = fbm(x / 95.f, y / 95.f, 5, 21) - 0.5f;
    const float duvet = bruit(x / 1.6f, y / 1.6f, 22) - 0.5f;
    const float grain = hasard(px, py, 23) - 0.5f;
    // Short fibres in two slanted directions.
    const float f1 = fbm((x + y) / 1.2f, (x - y) / 9.f, 2, 24) - 0.5f;
    const float f2 = fbm((x - y) / 1.2f, (x + y) / 9.f, 2, 25) - 0.5f;
    const Couleur base = rgb(112, 124, 48);
    const float boulochage = transition(0.62f, 0.75f, fbm(x / 5.f, y / 5.f, 2, 26));
    return base * (1.f + 0.18f * nuage + 0.12f * duvet + 0.09f * grain + 0.14f * (f1 + f2) + 0.05f * boulochage);
}

Couleur pierre(float x, float y, int px, int py)
{
    const float masse = fbm(x / 130.f, y / 130.f, 6, 31) - 0.5f;
    const float v = std::abs(std::sin((x * 0.010f + y * 0.017f + 5.f * fbm(x / 160.f, y / 160.f, 5, 32)) * pi));
    const float veine = std::pow(1.f - v, 14.f);
    const float v2 = std::abs(std::sin((x * 0.021f - y * 0.008f + 4.f * fbm(x / 90.f, y / 90.f, 5, 36)) * pi));
    const float veine2 = std::pow(1.f - v2, 20.f);
    const float grain = fbm(x / 2.f, y / 2.f, 2, 33) - 0.5f;
    const float point = hasard(px, py, 34);
    Couleur c = rgb(140, 141, 145) * (1.f + 0.30f * masse + 0.10f * grain);
    c = melange(c, rgb(206, 206, 210), 0.55f * veine);
    c = melange(c, rgb(88, 88, 92), 0.35f * veine2);
    if (point > 0.985f)
        c = c * 0.72f;
    else if (point < 0.01f)
        c = c * 1.18f;
    return c;
}

Couleur cuir(float x, float y, int px, int py)
{
    float f1, f2;
    const float wx = x + 3.f * (fbm(x / 40.f, y / 40.f, 2, 41) - 0.5f);
    const float wy = y + 3.f * (fbm(x / 40.f, y / 40.f, 2, 42) - 0.5f);
    worley(wx / 6.5f, wy / 6.5f, 43, f1, f2);
    const float pli = transition(0.f, 0.22f, f2 - f1);
    const float bosse = 1.f - 0.35f * f1;
    const float nuage = fbm(x / 85.f, y / 85.f, 5, 44) - 0.5f;
    const float grain = hasard(px, py, 45) - 0.5f;
    const Couleur base = rgb(134, 54, 36);
    return base * ((0.72f + 0.28f * pli) * bosse * 1.12f * (1.f + 0.28f * nuage + 0.05f * grain));
}

Couleur surface(int s, float x, float y, int px, int py)
{
    switch (s) {
    case 1: return bois(x, y);
    case 2: return feutre(x, y, px, py);
    case 3: return pierre(x, y, px, py);
    default: return cuir(x, y, px, py);
    }
}

// --- Holes -----------------------------------------------------------------

// Shading of a drilled hole at (dx, dy) from its centre: the result is
// colour * mult + add.
struct Ombre {
    float mult = 1.f, add = 0.f;
};

constexpr float rayon_trou = 10.7f;

Ombre ombre_trou(float dx, float dy)
{
    const float r = std::hypot(dx, dy);
    const float R = rayon_trou;
    Ombre o;
    const float s = r > 0.01f ? (dx + dy) / (r * 1.41421f) : 0.f;  // +1 towards the lower right
    if (r > R + 1.6f)
        return o;
    if (r > R - 0.6f) {
        // Chamfered lip: dark where it faces away from the light, lit where it faces it.
        const float k = 1.f - transition(R + 0.4f, R + 1.6f, r);
        if (s > 0.f)
            o.add = 0.22f * s * k;
        else
            o.mult = 1.f + 0.45f * s * k;
        return o;
    }
    // Bowl: concave sphere lit from the upper left, with the rim's cast shadow.
    const float Rs = R * 1.25f;
    const float nz = std::sqrt(std::max(0.f, Rs * Rs - r * r));
    const float nl = std::sqrt(dx * dx + dy * dy + nz * nz);
    const float lx = -0.55f, ly = -0.55f, lz = 0.63f;
    const float lambert = std::max(0.f, (-dx * lx - dy * ly + nz * lz) / nl);
    const float qx = dx - 6.0f * 0.7071f, qy = dy - 6.0f * 0.7071f;
    const float ombre = transition(R - 1.5f, R + 1.0f, std::hypot(qx, qy));
    o.mult = (0.16f + 0.55f * lambert * (1.f - 0.75f * ombre)) * (0.85f + 0.15f * r / R);
    if (s > 0.f && r > R - 3.5f)
        o.add = 0.05f * s * transition(R - 3.5f, R - 0.6f, r) * (1.f - ombre);
    return o;
}

// Shading averaged over 4 x 4 samples of the device pixel (px, py) for a hole
// whose sprite's top-left corner is (gx, gy) in window pixels, k device
// pixels to a window pixel.
Ombre ombre_pixel(int px, int py, int gx, int gy, float k)
{
    Ombre somme{0.f, 0.f};
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const float x = (static_cast<float>(px) + (i + 0.5f) / 4.f) / k - static_cast<float>(gx) - centre_x;
            const float y = (static_cast<float>(py) + (j + 0.5f) / 4.f) / k - static_cast<float>(gy) - centre_y;
            const Ombre o = ombre_trou(x, y);
            somme.mult += o.mult / 16.f;
            somme.add += o.add / 16.f;
        }
    return somme;
}

// --- Shapes ----------------------------------------------------------------

QPainterPath carres(const std::vector<QPoint>& coins, float demi)
{
    QPainterPath p;
    for (const QPoint& c : coins) {
        QPainterPath carre;
        carre.addRect(QRectF(c.x() + centre_x - demi, c.y() + centre_y - demi, 2 * demi, 2 * demi));
        p = p.united(carre);
    }
    return p.simplified();
}

// Rounds the corners of a mask, convex and concave alike.
Calque arrondi(const Calque& m, int rayon)
{
    Calque f = flou(m, rayon);
    for (float& v : f.v)
        v = transition(0.35f, 0.65f, v);
    return f;
}

Calque contour(const Calque& m, float bas, float haut)
{
    Calque c(m.w, m.h);
    for (size_t i = 0; i < m.v.size(); ++i) {
        const float v = m.v[i];
        c.v[i] = transition(bas - 0.08f, bas, v) * (1.f - transition(haut, haut + 0.08f, v));
    }
    return c;
}

Couleur teinte_fonce(int s)
{
    switch (s) {
    case 1: return rgb(70, 34, 14);
    case 2: return rgb(40, 48, 18);
    case 3: return rgb(44, 46, 52);
    default: return rgb(62, 22, 16);
    }
}

void plaque(QPainter& p, const Plaque& pl, int s, bool creuse)
{
    const QRectF r = QRectF(pl.plaque).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal rayon = 5.0;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (pl.claire) {
        const QColor haut = creuse ? QColor(226, 216, 190) : QColor(252, 246, 226);
        const QColor bas = creuse ? QColor(246, 240, 222) : QColor(214, 200, 164);
        g.setColorAt(0, haut);
        g.setColorAt(0.45, creuse ? QColor(238, 230, 208) : QColor(240, 230, 204));
        g.setColorAt(1, bas);
    } else {
        const Couleur t = teinte_fonce(s);
        auto qc = [](Couleur c) {
            return QColor::fromRgbF(borne(c.r), borne(c.g), borne(c.b));
        };
        g.setColorAt(0, qc(t * 1.9f));
        g.setColorAt(0.5, qc(t * 1.1f));
        g.setColorAt(1, qc(t * 0.7f));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, rayon, rayon);
    // Bevel: light upper-left edge, dark lower-right edge (inverted when sunken).
    QColor clair = pl.claire ? QColor(255, 255, 250, 220) : QColor(255, 255, 255, 80);
    QColor sombre = pl.claire ? QColor(90, 70, 40, 150) : QColor(0, 0, 0, 170);
    if (creuse)
        std::swap(clair, sombre);
    const QRectF in = r.adjusted(1, 1, -1, -1);
    QPainterPath haut;
    haut.moveTo(in.left(), in.bottom() - rayon);
    haut.lineTo(in.left(), in.top() + rayon);
    haut.quadTo(in.topLeft(), QPointF(in.left() + rayon, in.top()));
    haut.lineTo(in.right() - rayon, in.top());
    QPainterPath bas;
    bas.moveTo(in.right(), in.top() + rayon);
    bas.lineTo(in.right(), in.bottom() - rayon);
    bas.quadTo(in.bottomRight(), QPointF(in.right() - rayon, in.bottom()));
    bas.lineTo(in.left() + rayon, in.bottom());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(clair, creuse ? 2.0 : 1.6));
    p.drawPath(haut);
    p.setPen(QPen(sombre, creuse ? 1.6 : 2.0));
    p.drawPath(bas);
    p.setPen(QPen(QColor(0, 0, 0, pl.claire ? 150 : 200), 1.0));
    p.drawRoundedRect(r, rayon, rayon);
}

// A length of the window, in whole device pixels.
int px_(float longueur, float k)
{
    return static_cast<int>(std::lround(longueur * k));
}

} // namespace

Peau peau(int s, float k)
{
    const int W = px_(largeur_fenetre, k), H = px_(hauteur_fenetre, k);
    const std::vector<QPoint> lestrous = trous();
    const std::vector<QPoint> lerepos = repos();
    QTransform vers_ecran;
    vers_ecran.scale(k, k);
    auto forme = [&](const QPainterPath& chemin) { return k == 1.f ? chemin : vers_ecran.map(chemin); };
    auto r_ = [&](int rayon) { return px_(static_cast<float>(rayon), k); };
    // A device pixel's centre in window pixels.
    auto fenetre = [&](int v) { return (static_cast<float>(v) + 0.5f) / k - 0.5f; };

    // Surface.
    Toile t(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            t.at(x, y) = surface(s, fenetre(x), fenetre(y), x, y);

    // Raised board, sunken tray, engraved line around the board.
    const Calque planche = arrondi(masque(W, H, forme(carres(lestrous, 21.f))), r_(6));
    const Calque bac = arrondi(masque(W, H, forme(carres(lerepos, 21.f))), r_(5));
    const Calque elargie = flou(planche, r_(9));  // the board grown by a few pixels, level line
    const Calque rainure = flou(contour(elargie, 0.15f, 0.24f), r_(1));
    QPainterPath interieur;
    interieur.addRoundedRect(QRectF(6, 6, largeur_fenetre - 12, hauteur_fenetre - 12), 8, 8);
    const Calque cadre = flou(masque(W, H, forme(interieur)), r_(2));

    // The frame area is darker than the board and the tray, with a vignette.
    const Calque zone = flou([&] {
        Calque z(W, H);
        for (size_t i = 0; i < z.v.size(); ++i)
            z.v[i] = std::max(planche.v[i], bac.v[i]);
        return z;
    }(), r_(1));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float u = (x - W / 2.f) / (W / 2.f), v = (y - H / 2.f) / (H / 2.f);
            const float vignette = 1.f - 0.22f * std::pow((u * u + v * v) / 2.f, 1.2f);
            const float f = 0.80f * vignette;
            const float z = zone.at(x, y);
            t.at(x, y) = t.at(x, y) * (f + (1.f - f) * z);
        }

    // Every hole gets the same patch of surface, so that the corners of the
    // marble pictures, cut from that patch, match the skin at every hole.
    auto ecran = [&](QPoint coin) { return QPoint(px_(coin.x(), k), px_(coin.y(), k)); };
    const QPoint ref = ecran(lestrous[24]);
    const int marge = r_(19);
    Toile patch(r_(27) + 2 * marge, r_(27) + 2 * marge);
    for (int j = 0; j < patch.h; ++j)
        for (int i = 0; i < patch.w; ++i)
            patch.at(i, j) = t.at(ref.x() - marge + i, ref.y() - marge + j);
    auto tamponne = [&](QPoint coin) {
        coin = ecran(coin);
        for (int j = 0; j < patch.h; ++j)
            for (int i = 0; i < patch.w; ++i) {
                const int x = coin.x() - marge + i, y = coin.y() - marge + j;
                if (x < 0 || y < 0 || x >= W || y >= H)
                    continue;
                const float d = std::hypot((i - marge + 0.5f) / k - centre_x, (j - marge + 0.5f) / k - centre_y);
                const float a = 1.f - transition(15.5f, 18.5f, d);
                if (a > 0.f)
                    t.at(x, y) = melange(t.at(x, y), patch.at(i, j), a);
            }
    };
    for (const QPoint& c : lestrous)
        tamponne(c);
    for (const QPoint& c : lerepos)
        tamponne(c);

    // Relief: light from the upper left on the height field.
    Calque hauteur(W, H);
    {
        const Calque p2 = flou(planche, r_(2)), b2 = flou(bac, r_(2)), c2 = cadre;
        for (size_t i = 0; i < hauteur.v.size(); ++i)
            hauteur.v[i] = 1.0f * p2.v[i] - 1.0f * b2.v[i] - 1.4f * rainure.v[i] + 0.8f * c2.v[i];
    }
    const Calque ombre_planche = flou(decale(planche, r_(3), r_(4)), r_(4));
    const Calque ombre_bac = flou(decale(bac, r_(3), r_(3)), r_(3));
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) {
            // The slope per window pixel.
            const float gx = (hauteur.at(x + 1, y) - hauteur.at(x - 1, y)) * 0.5f * k;
            const float gy = (hauteur.at(x, y + 1) - hauteur.at(x, y - 1)) * 0.5f * k;
            const float e = 2.6f * (gx + gy);
            Couleur c = t.at(x, y);
            if (e > 0)
                c = c + (Couleur{1, 1, 1} - c) * borne(e * 0.6f);
            else
                c = c * (1.f + std::max(-0.8f, e * 1.3f));
            // Cast shadows: the board onto the frame, the tray's rim into the tray.
            const float pl = planche.at(x, y), ba = bac.at(x, y);
            c = c * (1.f - 0.42f * ombre_planche.at(x, y) * (1.f - pl));
            c = c * (1.f - 0.38f * ba * (1.f - ombre_bac.at(x, y)));
            t.at(x, y) = c;
        }

    // Drill the holes.
    auto perce = [&](QPoint coin) {
        const int y0 = px_(coin.y() - 3, k), y1 = px_(coin.y() + 27, k);
        const int x0 = px_(coin.x() - 3, k), x1 = px_(coin.x() + 27, k);
        for (int py = y0; py < y1; ++py)
            for (int px = x0; px < x1; ++px) {
                const Ombre o = ombre_pixel(px, py, coin.x(), coin.y(), k);
                Couleur& c = t.at(px, py);
                c = c * o.mult + Couleur{o.add, o.add, o.add};
            }
    };
    for (const QPoint& c : lestrous)
        perce(c);
    for (const QPoint& c : lerepos)
        perce(c);

    Peau resultat;
    resultat.fond_bille = Toile(px_(largeur_bille, k), px_(hauteur_bille, k));
    for (int j = 0; j < resultat.fond_bille.h; ++j)
        for (int i = 0; i < resultat.fond_bille.w; ++i)
            resultat.fond_bille.at(i, j) = t.at(ref.x() + i, ref.y() + j);

    // Soft shadows under the plates, then the plates themselves.
    const std::vector<Plaque> lesplaques = plaques();
    {
        QPainterPath p;
        for (const Plaque& pl : lesplaques)
            p.addRoundedRect(QRectF(pl.plaque), 5, 5);
        const Calque m = masque(W, H, forme(p));
        const Calque o = flou(decale(m, r_(2), r_(3)), r_(3));
        for (size_t i = 0; i < t.v.size(); ++i)
            t.v[i] = t.v[i] * (1.f - 0.5f * o.v[i] * (1.f - m.v[i]));
    }
    QImage image = vers_image(t);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        if (k != 1.f)
            p.scale(k, k);
        for (size_t i = 0; i < lesplaques.size(); ++i)
            plaque(p, lesplaques[i], s, i == 0);
    }
    resultat.image = image;
    return resultat;
}

} // namespace trelmo::art
