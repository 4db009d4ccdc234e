#include "storage/reprise.h"

#include "storage/fichier.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace trelmo {

namespace {

// Two full lists of 43 jumps with their grids fit well within it.
constexpr std::size_t kMaxReprise = 256 * 1024;

void mettre_de_cote(const std::string& chemin)
{
    std::string cote = chemin + ".endommage";
    struct stat st{};
    for (int n = 2; ::lstat(cote.c_str(), &st) == 0; ++n)
        cote = chemin + ".endommage" + std::to_string(n);
    std::rename(chemin.c_str(), cote.c_str());
}

} // namespace

int FichierReprise::ecrire(const PartieGardee& p) const
{
    const std::string texte = en_texte(p);
    VerrouDossier verrou(repertoire_);
    return remplacer_fichier(chemin(), reinterpret_cast<const uint8_t*>(texte.data()), texte.size(), false);
}

FichierReprise::Etat FichierReprise::lire(PartieGardee& p) const
{
    std::string contenu;
    const int err = lire_fichier(chemin(), contenu, kMaxReprise);
    if (err == ENOENT)
        return Etat::absente;
    std::optional<PartieGardee> lue;
    if (err == 0)
        lue = depuis_texte(contenu);
    if (!lue) {
        mettre_de_cote(chemin());
        return Etat::endommagee;
    }
    p = std::move(*lue);
    return Etat::bonne;
}

bool FichierReprise::presente() const
{
    struct stat st{};
    return ::lstat(chemin().c_str(), &st) == 0;
}

void FichierReprise::effacer() const { ::unlink(chemin().c_str()); }

} // namespace trelmo
