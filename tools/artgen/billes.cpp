// The seven marbles: spheres lit from the upper left with a white highlight,
// drawn over the hole of their skin.
#include "art.h"
#include "bruit.h"
#include "geometrie.h"

#include <cmath>

namespace trelmo::art {
namespace {

struct V3 {
    float x, y, z;
};
V3 operator*(V3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
float dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 unit(V3 a) { return a * (1.f / std::sqrt(dot(a, a))); }

struct Matiere {
    float brillance;     // strength of the specular highlight
    float durete;        // its exponent
    float translucide;   // light coming through from the far side
};

Matiere matiere(int m)
{
    switch (m) {
    case 1:
    case 2:
    case 3: return {1.0f, 28.f, 0.30f};
    case 4: return {0.85f, 32.f, 0.45f};
    case 5: return {0.7f, 36.f, 0.05f};
    case 6: return {0.5f, 26.f, 0.0f};
    default: return {0.4f, 18.f, 0.0f};
    }
}

// Colour of the marble's material at point p of the unit sphere (object space).
Couleur albedo(int m, V3 p)
{
    switch (m) {
    case 1: return rgb(200, 16, 14);
    case 2: return rgb(18, 56, 205);
    case 3: return rgb(16, 150, 40);
    case 4: {
        const float t = p.y * 3.2f + p.x * 1.1f + 1.2f * fbm3(p.x * 1.6f, p.y * 1.6f, p.z * 1.6f, 3, 51);
        const float bande = 0.5f + 0.5f * std::sin(2.f * 3.14159f * t);
        const float fin = fbm3(p.x * 7.f, p.y * 1.5f, p.z * 7.f, 2, 52) - 0.5f;
        Couleur c = melange(rgb(238, 156, 44), rgb(150, 66, 12), std::pow(bande, 1.6f));
        return c * (1.f + 0.25f * fin);
    }
    case 5: {
        const float nuage = fbm3(p.x * 1.8f, p.y * 1.8f, p.z * 1.8f, 4, 61) - 0.5f;
        const float v = std::abs(std::sin((p.x * 1.7f + p.z * 1.1f - p.y * 0.6f
                                           + 2.6f * fbm3(p.x * 1.5f, p.y * 1.5f, p.z * 1.5f, 4, 62)) * 3.14159f));
        const float veine = std::pow(1.f - v, 4.f);
        Couleur c = rgb(196, 196, 200) * (1.f + 0.30f * nuage);
        return melange(c, rgb(70, 72, 80), 0.9f * veine);
    }
    case 6: {
        const float n = bruit3(p.x * 6.5f + 9.f, p.y * 6.5f, p.z * 6.5f, 71);
        const float n2 = bruit3(p.x * 11.f, p.y * 11.f + 4.f, p.z * 11.f, 72);
        Couleur c = rgb(104, 114, 44) * (0.9f + 0.25f * fbm3(p.x * 2.f, p.y * 2.f, p.z * 2.f, 3, 73));
        if (n > 0.70f)
            c = rgb(30, 34, 18);
        else if (n < 0.22f)
            c = rgb(178, 184, 120);
        if (n2 > 0.80f)
            c = rgb(52, 62, 22);
        return c;
    }
    default: {
        const float nuage = fbm3(p.x * 1.7f, p.y * 1.7f, p.z * 1.7f, 4, 81) - 0.5f;
        const float tache = bruit3(p.x * 5.f, p.y * 5.f, p.z * 5.f, 82);
        Couleur c = rgb(148, 58, 34) * (1.f + 0.55f * nuage);
        if (tache > 0.74f)
            c = melange(c, rgb(190, 120, 90), 0.6f);
        if (bruit3(p.x * 9.f, p.y * 9.f, p.z * 9.f, 83) > 0.82f)
            c = c * 0.6f;
        return c;
    }
    }
}

Couleur moyenne(const Toile& t)
{
    Couleur s;
    for (const Couleur& c : t.v)
        s = s + c;
    return s * (1.f / static_cast<float>(t.v.size()));
}

} // namespace

QImage bille_couleur(const Toile& fond, int m, float k)
{
    const Matiere mat = matiere(m);
    const float R = 10.0f;
    const V3 L = unit({-0.55f, -0.65f, 0.62f});
    const V3 Hh = unit(L + V3{0, 0, 1});
    const V3 rebond = unit({0.55f, 0.6f, 0.2f});
    const Couleur reflet_plateau = moyenne(fond);
    const int n = 6;

    // k device pixels to a window pixel: the picture is drawn at that
    // resolution, its geometry in window pixels.
    Toile t(fond.w, fond.h);
    for (int py = 0; py < t.h; ++py)
        for (int px = 0; px < t.w; ++px) {
            Couleur somme;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    const float dx = (px + (i + 0.5f) / n) / k - centre_x;
                    const float dy = (py + (j + 0.5f) / n) / k - centre_y;
                    const float r = std::hypot(dx, dy);
                    if (r >= R) {
                        // The hole under the marble, darkened by its shadow.
                        const float d = std::hypot(dx - 1.8f, dy - 2.0f);
                        const float o = (1.f - transition(R - 1.5f, R + 0.5f, d))
                                        * (1.f - transition(9.8f, 10.6f, r));
                        somme = somme + fond.at(px, py) * (1.f - 0.55f * o);
                        continue;
                    }
                    const V3 N{dx / R, dy / R, std::sqrt(std::max(0.f, 1.f - (r / R) * (r / R)))};
                    // Texture coordinates turned a little so the patterns are not square to the view.
                    const V3 p{0.8f * N.x + 0.6f * N.z, N.y, -0.6f * N.x + 0.8f * N.z};
                    const Couleur a = albedo(m, p);
                    const float diffus = std::max(0.f, dot(N, L));
                    const float dos = std::max(0.f, -dot(N, L));
                    Couleur c = a * (0.16f + 0.92f * diffus);
                    c = c + a * reflet_plateau * (0.55f * std::max(0.f, dot(N, rebond)));
                    // Light scattered through a translucent marble glows on the side away from the light.
                    c = c + a * (mat.translucide * 0.9f * std::pow(dos, 1.5f) * (0.6f + 0.4f * N.z));
                    const float nh = std::max(0.f, dot(N, Hh));
                    const float eclat = mat.brillance * (0.55f * std::pow(nh, mat.durete) + 1.6f * std::pow(nh, 220.f));
                    const float fresnel = mat.brillance * 0.22f * std::pow(1.f - N.z, 3.f);
                    c = c + Couleur{1, 1, 1} * (eclat + fresnel * 0.8f);
                    // Antialiased rim.
                    const float bord = transition(R - 0.9f, R, r);
                    c = melange(c, c * 0.55f, bord * 0.6f);
                    somme = somme + Couleur{borne(c.r), borne(c.g), borne(c.b)};
                }
            t.at(px, py) = somme * (1.f / (n * n));
        }
    return vers_image(t);
}

QImage bille(const Toile& fond, int m, float k)
{
    return reduire(bille_couleur(fond, m, k), 256, false);
}

} // namespace trelmo::art
