#include "calque.h"

#include <QPainter>

#include <cmath>

namespace trelmo::art {

Calque masque(int w, int h, const QPainterPath& chemin)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(chemin, Qt::white);
    }
    Calque c(w, h);
    for (int y = 0; y < h; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            c.at(x, y) = static_cast<float>(qAlpha(ligne[x])) / 255.f;
    }
    return c;
}

namespace {

void boite(const std::vector<float>& src, std::vector<float>& dst, int n, int pas, int lignes,
           int pas_ligne, int r)
{
    const float k = 1.f / static_cast<float>(2 * r + 1);
    for (int l = 0; l < lignes; ++l) {
        const size_t base = static_cast<size_t>(l) * pas_ligne;
        auto lit = [&](int i) { return src[base + static_cast<size_t>(std::clamp(i, 0, n - 1)) * pas]; };
        float s = 0.f;
        for (int i = -r; i <= r; ++i)
            s += lit(i);
        for (int i = 0; i < n; ++i) {
            dst[base + static_cast<size_t>(i) * pas] = s * k;
            s += lit(i + r + 1) - lit(i - r);
        }
    }
}

} // namespace

Calque flou(const Calque& c, int rayon)
{
    if (rayon <= 0)
        return c;
    Calque a = c, b = c;
    // Three box passes of radius r/sqrt(3) approximate a Gaussian of that width.
    const int r = std::max(1, static_cast<int>(std::lround(rayon / 1.732)));
    for (int passe = 0; passe < 3; ++passe) {
        boite(a.v, b.v, c.w, 1, c.h, c.w, r);
        boite(b.v, a.v, c.h, c.w, c.w, 1, r);
    }
    return a;
}

Calque decale(const Calque& c, int dx, int dy)
{
    Calque d(c.w, c.h);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            d.at(x, y) = c.bord(x - dx, y - dy);
    return d;
}

QImage vers_image(const Toile& t)
{
    QImage image(t.w, t.h, QImage::Format_RGB32);
    for (int y = 0; y < t.h; ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < t.w; ++x) {
            const Couleur c = t.at(x, y);
            ligne[x] = qRgb(static_cast<int>(std::lround(borne(c.r) * 255.f)),
                            static_cast<int>(std::lround(borne(c.g) * 255.f)),
                            static_cast<int>(std::lround(borne(c.b) * 255.f)));
        }
    }
    return image;
}

Toile depuis_image(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    Toile t(image.width(), image.height());
    for (int y = 0; y < t.h; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < t.w; ++x)
            t.at(x, y) = rgb(qRed(ligne[x]), qGreen(ligne[x]), qBlue(ligne[x]));
    }
    return t;
}

} // namespace trelmo::art
