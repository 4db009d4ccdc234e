#pragma once
// Reads the header fields of a BMP file that the tests check.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

struct EnteteBmp {
    bool valide = false;
    int largeur = 0, hauteur = 0, bits = 0, compression = -1, couleurs = 0;
};

inline EnteteBmp entete_bmp(const QByteArray& d)
{
    EnteteBmp e;
    if (d.size() < 54 || !d.startsWith("BM"))
        return e;
    auto u32 = [&](int o) { return qFromLittleEndian<qint32>(d.constData() + o); };
    auto u16 = [&](int o) { return qFromLittleEndian<quint16>(d.constData() + o); };
    e.valide = true;
    e.largeur = u32(18);
    e.hauteur = u32(22);
    e.bits = u16(28);
    e.compression = u32(30);
    e.couleurs = u32(46);
    return e;
}

inline EnteteBmp entete_bmp(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return entete_bmp(f.readAll());
}
