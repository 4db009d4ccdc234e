#include "storage/fichier.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trelmo {

namespace {

constexpr size_t kLongueurAlea = 6;

int ouvre(const char* chemin, int drapeaux, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(chemin, drapeaux | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int ecrit_tout(int fd, const uint8_t* src, size_t n)
{
    size_t ecrits = 0;
    while (ecrits < n) {
        const ssize_t r = ::write(fd, src + ecrits, n - ecrits);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return errno;
        if (r == 0)
            return ENOSPC;
        ecrits += static_cast<size_t>(r);
    }
    return 0;
}

// Copies what `source` holds past `debut` to the end of `cible`.
int copie_queue(int source, off_t debut, int cible)
{
    uint8_t tampon[8192];
    for (off_t pos = debut;;) {
        const ssize_t r = ::pread(source, tampon, sizeof tampon, pos);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return errno;
        if (r == 0)
            return 0;
        if (const int e = ecrit_tout(cible, tampon, static_cast<size_t>(r)); e != 0)
            return e;
        pos += r;
    }
}

std::string nom_de(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
}

// "<dir>/.<name>." followed by the random part.
std::string prefixe_temporaire(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    const std::string dossier = barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1);
    return dossier + "." + nom_de(chemin) + ".";
}

bool alphanumerique(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Creates a new temporary file beside `chemin` and locks it, so that
// nettoyer_temporaires() of another process leaves it alone.
int cree_temporaire(const std::string& chemin, mode_t mode, std::string& nom)
{
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 alea{std::random_device{}() ^ static_cast<unsigned>(::getpid())};
    const std::string prefixe = prefixe_temporaire(chemin);
    for (int essai = 0; essai < 100; ++essai) {
        nom = prefixe;
        for (size_t i = 0; i < kLongueurAlea; ++i)
            nom += kAlphabet[alea() % (sizeof kAlphabet - 1)];
        const int fd = ouvre(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode);
        if (fd >= 0) {
            while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
            }
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

void synchronise_dossier(const std::string& chemin)
{
    const int fd = ouvre(dossier_de(chemin).c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);   // the rename reaches the disk; nothing to do when it cannot
        ::close(fd);
    }
}

} // namespace

std::string dossier_de(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    if (barre == std::string::npos)
        return ".";
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

namespace {

// Opens a regular file for reading, without waiting on a pipe planted in
// its place; -1 with errno set otherwise.
int ouvre_regulier(const std::string& chemin)
{
    const int fd = ouvre(chemin.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int e = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = e;
        return -1;
    }
    return fd;
}

// Reads up to n bytes from position `debut`.
int lit_fd_depuis(int fd, uint8_t* dst, size_t n, size_t debut, size_t* lus)
{
    *lus = 0;
    while (*lus < n) {
        const ssize_t r = ::pread(fd, dst + *lus, n - *lus, static_cast<off_t>(debut + *lus));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return errno;
        if (r == 0)
            break;
        *lus += static_cast<size_t>(r);
    }
    return 0;
}

} // namespace

int lire_debut(const std::string& chemin, uint8_t* dst, size_t n, size_t* lus)
{
    *lus = 0;
    const int fd = ouvre_regulier(chemin);
    if (fd < 0)
        return errno;
    const int e = lit_fd_depuis(fd, dst, n, 0, lus);
    ::close(fd);
    return e;
}

int lire_fichier(const std::string& chemin, std::string& contenu, size_t max)
{
    contenu.clear();
    const int fd = ouvre_regulier(chemin);
    if (fd < 0)
        return errno;
    struct stat st {};
    int e = ::fstat(fd, &st) != 0 ? errno : 0;
    if (e == 0 && static_cast<uint64_t>(st.st_size) > max)
        e = EFBIG;
    // Read to the end, which may lie past the size seen (the file grows
    // meanwhile), but never more than one byte past `max`.
    size_t total = 0;
    while (e == 0) {
        const size_t voulu = std::min(max + 1 - total, std::max<size_t>(total + 1, static_cast<size_t>(st.st_size) + 1));
        contenu.resize(total + voulu);
        size_t lus = 0;
        e = lit_fd_depuis(fd, reinterpret_cast<uint8_t*>(contenu.data()) + total, voulu, total, &lus);
        total += lus;
        if (e == 0 && total > max)
            e = EFBIG;
        if (lus < voulu)
            break;
    }
    ::close(fd);
    contenu.resize(e == 0 ? total : 0);
    return e;
}

uint64_t empreinte_fichier(const std::string& chemin, size_t max)
{
    std::string contenu;
    if (lire_fichier(chemin, contenu, max) != 0)
        return 0;
    uint64_t h = 1469598103934665603ULL;
    for (const char c : contenu) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

int remplacer_fichier(const std::string& chemin, const uint8_t* src, size_t n, bool garder_queue)
{
    mode_t mode = 0666;   // less the umask
    bool garder_mode = false;
    int ancien = -1;
    struct stat st {};
    if (::lstat(chemin.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (S_ISREG(st.st_mode)) {
            if (::access(chemin.c_str(), W_OK) != 0)
                return errno == EROFS ? EROFS : EACCES;
            mode = st.st_mode & 07777;
            garder_mode = true;
            if (garder_queue && static_cast<size_t>(st.st_size) > n) {
                ancien = ouvre(chemin.c_str(), O_RDONLY | O_NOFOLLOW);
                if (ancien < 0)
                    return errno;
            }
        } else if (!S_ISLNK(st.st_mode)) {
            return EACCES;   // a device, a pipe...: not ours to replace
        }
    } else if (errno != ENOENT) {
        return errno;
    }

    std::string temporaire;
    const int fd = cree_temporaire(chemin, mode, temporaire);
    if (fd < 0) {
        const int e = errno;
        if (ancien >= 0)
            ::close(ancien);
        return e;
    }
    int e = ecrit_tout(fd, src, n);
    if (e == 0 && ancien >= 0)
        e = copie_queue(ancien, static_cast<off_t>(n), fd);
    if (e == 0 && garder_mode && ::fchmod(fd, mode) != 0)
        e = errno;
    if (e == 0 && ::fsync(fd) != 0)
        e = errno;
    // Renamed while still locked, so that no cleaning sees it unlocked.
    if (e == 0 && ::rename(temporaire.c_str(), chemin.c_str()) != 0)
        e = errno;
    if (e != 0)
        ::unlink(temporaire.c_str());
    if (::close(fd) != 0 && e == 0 && errno != EINTR)
        e = errno;   // too late to undo; reported all the same
    if (ancien >= 0)
        ::close(ancien);
    if (e == 0)
        synchronise_dossier(chemin);
    return e;
}

void nettoyer_temporaires(const std::string& chemin)
{
    const std::string prefixe = "." + nom_de(chemin) + ".";
    const std::string dossier = dossier_de(chemin);
    DIR* d = ::opendir(dossier.c_str());
    if (!d)
        return;
    while (const dirent* entree = ::readdir(d)) {
        const std::string nom = entree->d_name;
        if (nom.size() != prefixe.size() + kLongueurAlea || nom.compare(0, prefixe.size(), prefixe) != 0)
            continue;
        bool forme = true;
        for (size_t i = prefixe.size(); i < nom.size(); ++i)
            forme = forme && alphanumerique(nom[i]);
        if (!forme)
            continue;
        const std::string complet = dossier + "/" + nom;
        const int fd = ouvre(complet.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(complet.c_str());
        ::close(fd);
    }
    ::closedir(d);
}

VerrouDossier::VerrouDossier(const std::string& dossier)
{
    fd_ = ouvre(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd_ < 0)
        return;
    int r;
    do {
        r = ::flock(fd_, LOCK_EX);
    } while (r != 0 && errno == EINTR);
    tenu_ = r == 0;
}

VerrouDossier::~VerrouDossier()
{
    if (fd_ >= 0)
        ::close(fd_);   // releases the lock
}

} // namespace trelmo
