// Colour reduction for the 8-bit marble pictures and the 16-colour icon.
#include "art.h"

#include <algorithm>
#include <array>
#include <limits>

namespace trelmo::art {
namespace {

using Px = std::array<int, 3>;

int distance2(const Px& a, const Px& b)
{
    const int r = a[0] - b[0], g = a[1] - b[1], bl = a[2] - b[2];
    // Weighted towards green, as the eye is.
    return 3 * r * r + 4 * g * g + 2 * bl * bl;
}

std::vector<Px> coupe_mediane(std::vector<Px> pixels, int n)
{
    std::vector<std::vector<Px>> boites{std::move(pixels)};
    auto etendue = [](const std::vector<Px>& b, int& axe) {
        int meilleur = -1;
        for (int a = 0; a < 3; ++a) {
            int mn = 255, mx = 0;
            for (const Px& p : b) {
                mn = std::min(mn, p[a]);
                mx = std::max(mx, p[a]);
            }
            if (mx - mn > meilleur) {
                meilleur = mx - mn;
                axe = a;
            }
        }
        return meilleur;
    };
    while (static_cast<int>(boites.size()) < n) {
        int choix = -1, axe_choix = 0;
        long score = 0;
        for (size_t i = 0; i < boites.size(); ++i) {
            int axe = 0;
            const int e = etendue(boites[i], axe);
            const long s = static_cast<long>(e) * static_cast<long>(boites[i].size());
            if (e > 0 && boites[i].size() > 1 && s > score) {
                score = s;
                choix = static_cast<int>(i);
                axe_choix = axe;
            }
        }
        if (choix < 0)
            break;
        std::vector<Px>& b = boites[static_cast<size_t>(choix)];
        std::sort(b.begin(), b.end(), [axe_choix](const Px& p, const Px& q) { return p[axe_choix] < q[axe_choix]; });
        std::vector<Px> haut(b.begin() + static_cast<long>(b.size() / 2), b.end());
        b.resize(b.size() / 2);
        boites.push_back(std::move(haut));
    }
    std::vector<Px> palette;
    for (const auto& b : boites) {
        long s[3] = {0, 0, 0};
        for (const Px& p : b)
            for (int a = 0; a < 3; ++a)
                s[a] += p[a];
        const long k = static_cast<long>(b.size());
        palette.push_back({static_cast<int>((s[0] + k / 2) / k), static_cast<int>((s[1] + k / 2) / k),
                           static_cast<int>((s[2] + k / 2) / k)});
    }
    return palette;
}

int plus_proche(const std::vector<Px>& palette, const Px& p)
{
    int meilleur = 0, d = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        const int e = distance2(palette[i], p);
        if (e < d) {
            d = e;
            meilleur = static_cast<int>(i);
        }
    }
    return meilleur;
}

} // namespace

QImage reduire(const QImage& source, int couleurs, bool transparence)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const Px blanc{255, 255, 255};
    std::vector<Px> pixels;
    bool a_blanc = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (transparence && qAlpha(c) < 128)
                continue;
            const Px p{qRed(c), qGreen(c), qBlue(c)};
            if (p == blanc)
                a_blanc = true;
            else
                pixels.push_back(p);
        }
    const int reserve = (transparence ? 1 : 0) + (a_blanc ? 1 : 0);
    std::vector<Px> distincts = pixels;
    std::sort(distincts.begin(), distincts.end());
    distincts.erase(std::unique(distincts.begin(), distincts.end()), distincts.end());
    std::vector<Px> palette;
    if (static_cast<int>(distincts.size()) <= couleurs - reserve) {
        palette = distincts;
    } else {
        palette = coupe_mediane(pixels, couleurs - reserve);
        // A few k-means passes pull each entry to the centre of its pixels.
        for (int passe = 0; passe < 6; ++passe) {
            std::vector<std::array<long, 4>> s(palette.size(), {0, 0, 0, 0});
            for (const Px& p : pixels) {
                auto& e = s[static_cast<size_t>(plus_proche(palette, p))];
                e[0] += p[0];
                e[1] += p[1];
                e[2] += p[2];
                ++e[3];
            }
            for (size_t i = 0; i < palette.size(); ++i)
                if (s[i][3] > 0)
                    palette[i] = {static_cast<int>((s[i][0] + s[i][3] / 2) / s[i][3]),
                                  static_cast<int>((s[i][1] + s[i][3] / 2) / s[i][3]),
                                  static_cast<int>((s[i][2] + s[i][3] / 2) / s[i][3])};
        }
    }
    QVector<QRgb> table;
    if (transparence)
        table.push_back(qRgba(0, 0, 0, 0));
    const int debut = static_cast<int>(table.size());
    for (const Px& p : palette)
        table.push_back(qRgb(p[0], p[1], p[2]));
    if (a_blanc) {
        palette.push_back(blanc);
        table.push_back(qRgb(255, 255, 255));
    }
    while (table.size() < couleurs)
        table.push_back(qRgb(0, 0, 0));

    QImage resultat(image.size(), QImage::Format_Indexed8);
    resultat.setColorTable(table);
    // The padding at the end of the rows is written to the files too: zero,
    // so that the same picture always makes the same file.
    resultat.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        uchar* ligne = resultat.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (transparence && qAlpha(c) < 128) {
                ligne[x] = 0;
                continue;
            }
            ligne[x] = static_cast<uchar>(debut + plus_proche(palette, {qRed(c), qGreen(c), qBlue(c)}));
        }
    }
    return resultat;
}

} // namespace trelmo::art
