#include "storage/erreur_es.h"

#include "game/erreur.h"

#include <cerrno>

namespace trelmo {

std::string texte_erreur_es(int code)
{
    switch (code) {
    case kEsIntrouvable: return "Fichier introuvable";
    case kEsNomIncorrect: return "Nom de fichier incorrect";
    case kEsTropDeFichiers: return "Trop de fichiers ouverts";
    case kEsAccesRefuse: return "Accès au fichier refusé";
    case kEsFinDeFichier: return "Lecture au-delà de la fin de fichier";
    case kEsDisquePlein: return "Disque plein";
    default: return "Erreur E/S " + std::to_string(code);
    }
}

int code_erreur_es(int errno_value)
{
    switch (errno_value) {
    case ENOENT:
        return kEsIntrouvable;
    case ENAMETOOLONG:
    case EINVAL:
    case ENOTDIR:
    case ELOOP:
        return kEsNomIncorrect;
    case EMFILE:
    case ENFILE:
        return kEsTropDeFichiers;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return kEsAccesRefuse;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return kEsDisquePlein;
    default:
        return kEsAutre + errno_value;
    }
}

void lever_erreur_es(int code)
{
    throw Erreur(texte_erreur_es(code));
}

} // namespace trelmo
