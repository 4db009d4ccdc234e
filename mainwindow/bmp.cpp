#include "mainwindow/bmp.h"

#include <QFile>
#include <QImageReader>

#include <cstdint>
#include <cstring>

namespace trelmo {

namespace {

uint32_t lu32(const uchar* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t lu16(const uchar* p) { return uint16_t(p[0] | p[1] << 8); }

} // namespace

QImage lire_bmp(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray octets = f.readAll();
    const auto* d = reinterpret_cast<const uchar*>(octets.constData());
    const qsizetype n = octets.size();
    if (n >= 54 && d[0] == 'B' && d[1] == 'M') {
        const uint32_t debut = lu32(d + 10);
        const uint32_t entete = lu32(d + 14);
        const int32_t largeur = static_cast<int32_t>(lu32(d + 18));
        const int32_t hauteur = static_cast<int32_t>(lu32(d + 22));
        const uint16_t bits = lu16(d + 28);
        const uint32_t compression = lu32(d + 30);
        const int h = hauteur < 0 ? -hauteur : hauteur;
        const qsizetype ligne = (qsizetype(largeur) * 3 + 3) & ~qsizetype(3);
        if (entete >= 40 && bits == 24 && compression == 0) {
            // A bitmap of this kind that is cut short or out of bounds is not read.
            if (largeur <= 0 || h <= 0 || largeur > 16384 || h > 16384 || qsizetype(debut) + ligne * h > n)
                return {};
            // Qt's converter does the byte order, a mirror the row order.
            const QImage vue(d + debut, largeur, h, ligne, QImage::Format_BGR888);
            QImage image = vue.convertToFormat(QImage::Format_RGB32);
            if (hauteur > 0)
                image.mirror(false, true);
            return image;
        }
    }
    // Any other kind of bitmap: Qt's reader.
    QImage image;
    image.loadFromData(octets, "BMP");
    return image;
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
