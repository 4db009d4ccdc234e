// The window icon, the gold lettering of the splash screen and of the about
// window, the granite of the balloon hints and the green ball of the OK buttons.
#include "art.h"
#include "bruit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace trelmo::art {
namespace {

// A glossy sphere filling the rectangle r.
void sphere(QPainter& p, const QRectF& r, QColor clair, QColor moyen, QColor fonce)
{
    QRadialGradient g(r.center(), r.width() / 2, r.center() - QPointF(r.width() * 0.2, r.height() * 0.22));
    g.setColorAt(0.0, clair);
    g.setColorAt(0.45, moyen);
    g.setColorAt(0.85, fonce);
    g.setColorAt(1.0, fonce.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    // Reflected light on the lower right, and the white highlight.
    QRadialGradient rebond(r.center() + QPointF(r.width() * 0.22, r.height() * 0.25), r.width() * 0.3);
    rebond.setColorAt(0, QColor(255, 255, 255, 60));
    rebond.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(rebond);
    p.drawEllipse(r);
    const QPointF h = r.center() - QPointF(r.width() * 0.2, r.height() * 0.22);
    QRadialGradient reflet(h, r.width() * 0.2);
    reflet.setColorAt(0, QColor(255, 255, 255, 255));
    reflet.setColorAt(0.35, QColor(255, 255, 255, 200));
    reflet.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(reflet);
    p.drawEllipse(h, r.width() * 0.2, r.height() * 0.2);
}

// Raised gold letters on white, the text filling the picture.
// Raised gold letters filling a w x h window-pixel picture, drawn with k
// device pixels to a window pixel.
QImage lettres_or(int w0, int h0, const QString& texte, const QString& famille, qreal espacement, qreal marge0, float k)
{
    const int w = static_cast<int>(std::lround(w0 * k)), h = static_cast<int>(std::lround(h0 * k));
    const qreal marge = marge0 * k;
    const int r2 = static_cast<int>(std::lround(2 * k));
    QFont police(famille);
    police.setBold(true);
    police.setPixelSize(100);
    police.setLetterSpacing(QFont::AbsoluteSpacing, espacement);
    QPainterPath chemin;
    chemin.addText(0, 0, police, texte);
    const QRectF b = chemin.boundingRect();
    const qreal taille = std::min((w - 2 * marge) / b.width(), (h - 2 * marge) / b.height());
    QTransform tr;
    tr.translate(w / 2.0 - k, h / 2.0 - k);
    tr.scale(taille, taille);
    tr.translate(-b.center().x(), -b.center().y());
    const QPainterPath lettres = tr.map(chemin);

    const Calque m = masque(w, h, lettres);
    const Calque relief = flou(m, r2);
    const Calque ombre = flou(decale(m, r2, r2), r2);
    const QRectF zone = lettres.boundingRect();
    Toile t(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Metallic gold: bands of light and dark across the height of the letters.
            const float v = borne(static_cast<float>((y + 0.5 - zone.top()) / zone.height()));
            Couleur or_;
            if (v < 0.3f)
                or_ = melange(rgb(255, 246, 170), rgb(246, 200, 60), v / 0.3f);
            else if (v < 0.55f)
                or_ = melange(rgb(246, 200, 60), rgb(176, 118, 16), (v - 0.3f) / 0.25f);
            else if (v < 0.75f)
                or_ = melange(rgb(176, 118, 16), rgb(250, 214, 96), (v - 0.55f) / 0.2f);
            else
                or_ = melange(rgb(250, 214, 96), rgb(150, 96, 10), (v - 0.75f) / 0.25f);
            const float gx = (relief.bord(x + 1, y) - relief.bord(x - 1, y)) * 0.5f * k;
            const float gy = (relief.bord(x, y + 1) - relief.bord(x, y - 1)) * 0.5f * k;
            const float e = 3.2f * (gx + gy);
            if (e > 0)
                or_ = or_ + (Couleur{1, 1, 1} - or_) * borne(e);
            else
                or_ = or_ * (1.f + std::max(-0.75f, 1.4f * e));
            const Couleur fond = Couleur{1, 1, 1} * (1.f - 0.45f * ombre.at(x, y));
            t.at(x, y) = melange(fond, or_, m.at(x, y));
        }
    QImage image = vers_image(t);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 70, 0, 170), 0.8 * k));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lettres);
    return image;
}

} // namespace

QImage icone(int taille)
{
    const int n = taille;
    QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(n / 64.0, n / 64.0);
    // Blue diamond with a bevelled edge.
    const QPolygonF losange({QPointF(32, 1), QPointF(63, 32), QPointF(32, 63), QPointF(1, 32)});
    QLinearGradient bleu(QPointF(12, 12), QPointF(52, 52));
    bleu.setColorAt(0, QColor(96, 156, 255));
    bleu.setColorAt(0.5, QColor(30, 84, 210));
    bleu.setColorAt(1, QColor(10, 34, 120));
    p.setPen(QPen(QColor(6, 20, 80), 2.0));
    p.setBrush(bleu);
    p.drawPolygon(losange);
    const QPolygonF interieur({QPointF(32, 8), QPointF(56, 32), QPointF(32, 56), QPointF(8, 32)});
    QLinearGradient creux(QPointF(20, 20), QPointF(44, 44));
    creux.setColorAt(0, QColor(16, 50, 150));
    creux.setColorAt(1, QColor(70, 130, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(creux);
    p.drawPolygon(interieur);
    // Shadow of the marble, then the red marble.
    p.setBrush(QColor(0, 0, 40, 110));
    p.drawEllipse(QPointF(34.5, 35), 15, 15);
    sphere(p, QRectF(17, 17, 30, 30), QColor(255, 150, 140), QColor(220, 20, 16), QColor(110, 0, 0));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage icone_16_couleurs()
{
    return reduire(icone(32), 16, true);
}

QImage titre_splash(float k)
{
    return lettres_or(196, 50, QStringLiteral("TRELMO"), QStringLiteral("C059"), 6, 5.0, k);
}

QImage cliquez_ici(float k)
{
    return lettres_or(176, 32, QStringLiteral("Cliquez ici"), QStringLiteral("C059"), 0, 2.5, k);
}

QImage granite(float k)
{
    const int n = static_cast<int>(std::lround(96 * k));
    Toile t(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            // The tile's point in window pixels; the grain follows the device.
            const float fx = (x + 0.5f) / k - 0.5f, fy = (y + 0.5f) / k - 0.5f;
            // Every noise repeats across the 96 pixels, so the picture tiles without seams.
            const float masse = fbm(fx / 24.f, fy / 24.f, 3, 91, 0.5f, 4) - 0.5f;
            const float ton = fbm(fx / 4.f, fy / 4.f, 2, 95, 0.5f, 24) - 0.5f;
            const float cristal = fbm(fx / 4.f, fy / 4.f, 2, 92, 0.4f, 24);
            const float cristal2 = bruit(fx / 3.f, fy / 3.f, 93, 32);
            const float grain = hasard(x % n, y % n, 94) - 0.5f;
            Couleur c = rgb(156, 156, 158) * (1.f + 0.12f * masse + 0.35f * ton + 0.06f * grain);
            if (cristal > 0.70f)
                c = melange(c, rgb(40, 40, 44), transition(0.70f, 0.76f, cristal));
            else if (cristal < 0.30f)
                c = melange(c, rgb(226, 224, 220), transition(0.30f, 0.24f, cristal));
            if (cristal2 > 0.82f)
                c = melange(c, rgb(178, 158, 152), 0.7f);
            t.at(x, y) = c;
        }
    return vers_image(t).convertToFormat(QImage::Format_RGB888);
}

QImage bille_verte(float k)
{
    const int n = static_cast<int>(std::lround(20 * k));
    QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (k != 1.f)
        p.scale(k, k);
    sphere(p, QRectF(1, 1, 18, 18), QColor(190, 255, 170), QColor(40, 180, 40), QColor(0, 80, 10));
    p.setPen(QPen(QColor(0, 60, 0, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1, 1, 18, 18));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace trelmo::art
