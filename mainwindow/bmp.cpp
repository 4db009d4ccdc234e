#include "mainwindow/bmp.h"

#include <QFile>
#include <QImageReader>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace trelmo {

namespace {

uint32_t lu32(const uchar* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t lu16(const uchar* p) { return uint16_t(p[0] | p[1] << 8); }

// The pages of a fresh picture are given to the process in one call rather
// than one at a time as the file's rows arrive: a skin is some 220 pages, and
// on some machines (virtual ones especially) each page fault costs as much as
// copying the page several times over. A kernel without the call (before
// Linux 5.14) just takes the faults.
void memoire_d_un_coup(uchar* debut, std::size_t taille)
{
#ifdef MADV_POPULATE_WRITE
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto a = (reinterpret_cast<std::uintptr_t>(debut) + page - 1) & ~(page - 1);
    const auto b = (reinterpret_cast<std::uintptr_t>(debut) + taille) & ~(page - 1);
    if (b > a)
        madvise(reinterpret_cast<void*>(a), b - a, MADV_POPULATE_WRITE);
#else
    (void)debut;
    (void)taille;
#endif
}

// A 24-bit uncompressed bitmap read into a picture of its own size: the rows
// straight from the file into the picture's memory, then put top down with
// their red and blue in Qt's order. A null image when the file is not of
// that kind or is cut short; `autre` tells the caller to try Qt's reader.
QImage lire_24_bits(QFile& f, bool& autre)
{
    autre = true;
    uchar e[54];
    if (f.read(reinterpret_cast<char*>(e), sizeof e) != qint64(sizeof e) || e[0] != 'B' || e[1] != 'M')
        return {};
    const uint32_t debut = lu32(e + 10);
    const uint32_t entete = lu32(e + 14);
    const int32_t largeur = static_cast<int32_t>(lu32(e + 18));
    const int32_t hauteur = static_cast<int32_t>(lu32(e + 22));
    if (entete < 40 || lu16(e + 28) != 24 || lu32(e + 30) != 0)
        return {};
    autre = false;
    // A bitmap of this kind that is cut short or out of bounds is not read.
    const int h = hauteur < 0 ? -hauteur : hauteur;
    if (largeur <= 0 || h <= 0 || largeur > 16384 || h > 16384)
        return {};
    const qint64 ligne = (qint64(largeur) * 3 + 3) & ~qint64(3);
    if (qint64(debut) + ligne * h > f.size())
        return {};
    QImage image(largeur, h, QImage::Format_RGB888);
    if (image.isNull() || image.bytesPerLine() != ligne || !f.seek(debut))
        return {};
    auto* pixels = image.bits();
    memoire_d_un_coup(pixels, std::size_t(ligne) * std::size_t(h));
    if (f.read(reinterpret_cast<char*>(pixels), ligne * h) != ligne * h)
        return {};
    // Red and blue in Qt's order, and bottom-up rows (a positive height)
    // swapped end for end, in one pass over the picture.
    const auto rgb = [largeur](const uchar* de, uchar* vers) {
        for (int x = 0; x < largeur; ++x, de += 3, vers += 3) {
            const uchar b = de[0], g = de[1], r = de[2];
            vers[0] = r;
            vers[1] = g;
            vers[2] = b;
        }
    };
    if (hauteur > 0) {
        std::vector<uchar> tampon(static_cast<std::size_t>(ligne));
        for (int y = 0; y < h / 2; ++y) {
            uchar* haut = pixels + y * ligne;
            uchar* bas = pixels + (h - 1 - y) * ligne;
            std::memcpy(tampon.data(), haut, static_cast<std::size_t>(ligne));
            rgb(bas, haut);
            rgb(tampon.data(), bas);
        }
        if (h % 2)
            rgb(pixels + (h / 2) * ligne, pixels + (h / 2) * ligne);
    } else {
        for (int y = 0; y < h; ++y)
            rgb(pixels + y * ligne, pixels + y * ligne);
    }
    return image;
}

} // namespace

QImage lire_bmp(const QString& chemin, bool lecteur_qt)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    bool autre = false;
    QImage image = lire_24_bits(f, autre);
    if (!autre || !lecteur_qt || !f.seek(0))
        return image;
    // Any other kind of bitmap: Qt's own BMP reader, asked by name so that
    // no image plugin is loaded to guess the format.
    QImageReader lecteur(&f, "bmp");
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

bool bmp_lisible(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    char entete[2];
    return f.read(entete, 2) == 2 && entete[0] == 'B' && entete[1] == 'M';
}

} // namespace trelmo
