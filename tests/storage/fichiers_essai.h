#pragma once
// Small file helpers for the storage tests.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include "game/erreur.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <functional>
#include <grp.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <algorithm>
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

// Names in a directory, hidden ones included (temporary files start with a dot).
inline QStringList noms(const QString& dossier)
{
    return QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

struct Enfant {
    bool sans_droits = false;          // run as uid/gid 65534 when the test runs as root
    rlim_t taille_max = RLIM_INFINITY; // RLIMIT_FSIZE, SIGXFSZ ignored: writes past it fail (EFBIG)
};

// Runs f in a forked child and answers the text it returned (an Erreur it
// throws answers its text). Empty answer, with the reason in *pourquoi, when
// the child could not drop its rights.
inline std::optional<std::string> dans_un_enfant(const Enfant& e, const std::function<std::string()>& f,
                                                 std::string* pourquoi = nullptr)
{
    int tube[2];
    if (::pipe(tube) != 0)
        return std::nullopt;
    if (::fork() == 0) {
        ::close(tube[0]);
        std::string sortie = "\x01" "cannot switch to uid 65534";
        if (!e.sans_droits || !root() || (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit l{e.taille_max, e.taille_max};
            ::setrlimit(RLIMIT_FSIZE, &l);
            std::string rendu;
            const std::string erreur = message_de([&] { rendu = f(); });
            sortie = erreur == "(pas d'erreur)" ? rendu : erreur;
        }
        for (size_t n = 0; n < sortie.size();) {
            const ssize_t r = ::write(tube[1], sortie.data() + n, sortie.size() - n);
            if (r <= 0)
                break;
            n += static_cast<size_t>(r);
        }
        ::_exit(0);
    }
    ::close(tube[1]);
    std::string sortie;
    char tampon[4096];
    for (ssize_t r; (r = ::read(tube[0], tampon, sizeof tampon)) > 0 || (r < 0 && errno == EINTR);)
        sortie.append(tampon, static_cast<size_t>(std::max<ssize_t>(r, 0)));
    ::close(tube[0]);
    ::wait(nullptr);
    if (!sortie.empty() && sortie[0] == '\x01') {
        if (pourquoi)
            *pourquoi = sortie.substr(1);
        return std::nullopt;
    }
    return sortie;
}

} // namespace trelmo::essai
