#include "bruit.h"

#include <algorithm>
#include <cmath>

namespace trelmo::art {
namespace {

std::uint32_t melange(std::uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

float lisse(float t) { return t * t * t * (t * (t * 6.f - 15.f) + 10.f); }

int modulo(int a, int p) { return p > 0 ? ((a % p) + p) % p : a; }

} // namespace

float hasard(int x, int y, std::uint32_t graine)
{
    std::uint32_t h = melange(static_cast<std::uint32_t>(x) * 0x8da6b343U
                              ^ static_cast<std::uint32_t>(y) * 0xd8163841U ^ graine * 0xcb1ab31fU);
    return static_cast<float>(h >> 8) / 16777216.f;
}

float hasard3(int x, int y, int z, std::uint32_t graine)
{
    return hasard(x, y ^ static_cast<int>(melange(static_cast<std::uint32_t>(z) + 0x9e3779b9U)), graine);
}

float bruit(float x, float y, std::uint32_t graine, int periode)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const float tx = lisse(x - fx), ty = lisse(y - fy);
    const int xa = modulo(x0, periode), xb = modulo(x0 + 1, periode);
    const int ya = modulo(y0, periode), yb = modulo(y0 + 1, periode);
    const float a = hasard(xa, ya, graine), b = hasard(xb, ya, graine);
    const float c = hasard(xa, yb, graine), d = hasard(xb, yb, graine);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float bruit3(float x, float y, float z, std::uint32_t graine)
{
    const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy), z0 = static_cast<int>(fz);
    const float tx = lisse(x - fx), ty = lisse(y - fy), tz = lisse(z - fz);
    float v[2];
    for (int k = 0; k < 2; ++k) {
        const float a = hasard3(x0, y0, z0 + k, graine), b = hasard3(x0 + 1, y0, z0 + k, graine);
        const float c = hasard3(x0, y0 + 1, z0 + k, graine), d = hasard3(x0 + 1, y0 + 1, z0 + k, graine);
        const float ab = a + (b - a) * tx, cd = c + (d - c) * tx;
        v[k] = ab + (cd - ab) * ty;
    }
    return v[0] + (v[1] - v[0]) * tz;
}

float fbm(float x, float y, int octaves, std::uint32_t graine, float gain, int periode)
{
    float somme = 0.f, amplitude = 1.f, total = 0.f;
    for (int o = 0; o < octaves; ++o) {
        somme += amplitude * bruit(x, y, graine + static_cast<std::uint32_t>(o) * 101U, periode);
        total += amplitude;
        amplitude *= gain;
        x *= 2.f;
        y *= 2.f;
        if (periode > 0)
            periode *= 2;
    }
    return somme / total;
}

float fbm3(float x, float y, float z, int octaves, std::uint32_t graine, float gain)
{
    float somme = 0.f, amplitude = 1.f, total = 0.f;
    for (int o = 0; o < octaves; ++o) {
        somme += amplitude * bruit3(x, y, z, graine + static_cast<std::uint32_t>(o) * 101U);
        total += amplitude;
        amplitude *= gain;
        x *= 2.f;
        y *= 2.f;
        z *= 2.f;
    }
    return somme / total;
}

void worley(float x, float y, std::uint32_t graine, float& f1, float& f2)
{
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    f1 = f2 = 1e9f;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            const float px = static_cast<float>(cx + i) + hasard(cx + i, cy + j, graine);
            const float py = static_cast<float>(cy + j) + hasard(cx + i, cy + j, graine + 7U);
            const float d = std::hypot(px - x, py - y);
            if (d < f1) {
                f2 = f1;
                f1 = d;
            } else if (d < f2) {
                f2 = d;
            }
        }
}

} // namespace trelmo::art
