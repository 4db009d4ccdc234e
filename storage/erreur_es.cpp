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

std::string raison_erreur(int32_t langue, int err)
{
    const int l = langue == 1 || langue == 2 ? langue : 0;
    auto choix = [l](const char* fr, const char* en, const char* de) { return std::string(l == 1 ? en : l == 2 ? de : fr); };
    switch (err) {
    case EACCES:
    case EPERM:
        return choix("Permission non accordée", "permission denied", "Zugriff verweigert");
    case EROFS:
        return choix("Système de fichiers en lecture seule", "read-only file system", "schreibgeschütztes Dateisystem");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return choix("Disque plein", "disk full", "Datenträger voll");
    case ENOENT:
        return choix("Dossier introuvable", "folder not found", "Ordner nicht gefunden");
    case EISDIR:
        return choix("Un dossier porte ce nom", "a folder has that name", "ein Ordner trägt diesen Namen");
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return choix("Nom de fichier incorrect", "invalid file name", "ungültiger Dateiname");
    case EIO:
        return choix("Erreur d'entrée-sortie du disque", "disk input/output error", "Ein-/Ausgabefehler des Datenträgers");
    default:
        return choix("Erreur système ", "system error ", "Systemfehler ") + std::to_string(err);
    }
}

void lever_erreur_es(int code)
{
    throw Erreur(texte_erreur_es(code));
}

} // namespace trelmo
