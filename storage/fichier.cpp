#include "storage/fichier.h"

#include "storage/erreur_es.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace trelmo {

FichierRecord::~FichierRecord()
{
    lacher();
}

void FichierRecord::lacher()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool FichierRecord::ouvrir(const std::string& chemin)
{
    lacher();
    do {
        fd_ = ::open(chemin.c_str(), O_RDWR | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    return fd_ >= 0;
}

void FichierRecord::creer(const std::string& chemin)
{
    lacher();
    do {
        fd_ = ::open(chemin.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        lever_erreur_es(code_erreur_es(errno));
}

int FichierRecord::lire(uint8_t* dst, size_t n)
{
    if (fd_ < 0)
        return code_erreur_es(EBADF);
    std::vector<uint8_t> tampon(n);
    size_t lus = 0;
    while (lus < n) {
        const ssize_t r = ::pread(fd_, tampon.data() + lus, n - lus, static_cast<off_t>(lus));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return code_erreur_es(errno);
        }
        if (r == 0)
            return kEsFinDeFichier;
        lus += static_cast<size_t>(r);
    }
    std::memcpy(dst, tampon.data(), n);
    return 0;
}

void FichierRecord::ecrire(const uint8_t* src, size_t n)
{
    if (fd_ < 0)
        lever_erreur_es(code_erreur_es(EBADF));
    size_t ecrits = 0;
    while (ecrits < n) {
        const ssize_t r = ::pwrite(fd_, src + ecrits, n - ecrits, static_cast<off_t>(ecrits));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            lever_erreur_es(code_erreur_es(errno));
        }
        if (r == 0)
            lever_erreur_es(kEsDisquePlein);
        ecrits += static_cast<size_t>(r);
    }
}

void FichierRecord::fermer()
{
    if (fd_ < 0)
        return;
    const int r = ::close(fd_);
    fd_ = -1;
    if (r != 0 && errno != EINTR)
        lever_erreur_es(code_erreur_es(errno));
}

} // namespace trelmo
