#pragma once
// Small file helpers for the storage tests.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include "game/erreur.h"

#include <array>
#include <functional>
#include <cstdint>
#include <string>
#include <unistd.h>

namespace trelmo::essai {

inline QByteArray contenu(const std::string& chemin)
{
    QFile f(QString::fromStdString(chemin));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool ecrit(const std::string& chemin, const QByteArray& octets)
{
    QFile f(QString::fromStdString(chemin));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size();
}

template <size_t N>
QByteArray en_octets(const std::array<uint8_t, N>& a)
{
    return QByteArray(reinterpret_cast<const char*>(a.data()), static_cast<qsizetype>(N));
}

inline std::string repertoire(const QString& chemin)
{
    return chemin.toStdString() + "/";
}

inline bool root()
{
    return ::geteuid() == 0;
}

// Open file descriptors of this process.
inline int descripteurs_ouverts()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

// The text of the error the call raises, or "(pas d'erreur)".
inline std::string message_de(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Erreur& e) {
        return e.what();
    }
    return "(pas d'erreur)";
}

} // namespace trelmo::essai
