#pragma once
// Floating-point pictures used while composing the art: a grey layer (masks,
// height fields) and a colour canvas, with the few operations the generator
// needs (blur, gradients, conversion to and from QImage).
#include <QImage>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace trelmo::art {

struct Couleur {
    float r = 0, g = 0, b = 0;
};

inline Couleur operator+(Couleur a, Couleur b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Couleur operator-(Couleur a, Couleur b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Couleur operator*(Couleur a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Couleur operator*(Couleur a, Couleur b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Couleur melange(Couleur a, Couleur b, float t) { return a + (b - a) * t; }
inline Couleur rgb(int r, int g, int b) { return {r / 255.f, g / 255.f, b / 255.f}; }
inline float luminance(Couleur c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }
inline float borne(float v, float a = 0.f, float b = 1.f) { return std::clamp(v, a, b); }
inline float transition(float a, float b, float x)
{
    const float t = borne((x - a) / (b - a));
    return t * t * (3.f - 2.f * t);
}

struct Calque {
    int w = 0, h = 0;
    std::vector<float> v;
    Calque() = default;
    Calque(int largeur, int hauteur, float valeur = 0.f)
        : w(largeur), h(hauteur), v(static_cast<size_t>(largeur) * hauteur, valeur) {}
    float& at(int x, int y) { return v[static_cast<size_t>(y) * w + x]; }
    float at(int x, int y) const { return v[static_cast<size_t>(y) * w + x]; }
    // Value at (x, y) with coordinates clamped to the layer.
    float bord(int x, int y) const { return at(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1)); }
};

struct Toile {
    int w = 0, h = 0;
    std::vector<Couleur> v;
    Toile() = default;
    Toile(int largeur, int hauteur) : w(largeur), h(hauteur), v(static_cast<size_t>(largeur) * hauteur) {}
    Couleur& at(int x, int y) { return v[static_cast<size_t>(y) * w + x]; }
    Couleur at(int x, int y) const { return v[static_cast<size_t>(y) * w + x]; }
};

// Antialiased coverage of a filled path, 0 to 1.
Calque masque(int w, int h, const QPainterPath& chemin);
// Gaussian-like blur (three box passes) of the given radius.
Calque flou(const Calque& c, int rayon);
// Layer moved by (dx, dy); uncovered pixels take the nearest edge value.
Calque decale(const Calque& c, int dx, int dy);

QImage vers_image(const Toile& t);
Toile depuis_image(const QImage& image);

} // namespace trelmo::art
