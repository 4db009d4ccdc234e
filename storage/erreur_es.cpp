#include "storage/erreur_es.h"

#include "game/erreur.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <iterator>
#include <string_view>

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

namespace {

struct TexteFichiers {
    const char* id;
    const char* fr;
    const char* en;
    const char* de;
};

constexpr TexteFichiers kTextes[] = {
    {"fichiers.lecture", "Le fichier %1 ne peut pas être lu (%2) : les scores et vos choix ne seront pas gardés.",
     "The file %1 cannot be read (%2): your scores and choices will not be kept.",
     "Die Datei %1 kann nicht gelesen werden (%2): Ihre Ergebnisse und Einstellungen werden nicht gespeichert."},
    {"fichiers.ecriture", "Le fichier %1 ne peut pas être écrit (%2) : les scores et vos choix ne seront pas gardés.",
     "The file %1 cannot be written (%2): your scores and choices will not be kept.",
     "Die Datei %1 kann nicht geschrieben werden (%2): Ihre Ergebnisse und Einstellungen werden nicht gespeichert."},
    {"fichiers.permission", "Permission non accordée", "permission denied", "Zugriff verweigert"},
    {"fichiers.lecture_seule", "Système de fichiers en lecture seule", "read-only file system", "schreibgeschütztes Dateisystem"},
    {"fichiers.disque_plein", "Disque plein", "disk full", "Datenträger voll"},
    {"fichiers.dossier_introuvable", "Dossier introuvable", "folder not found", "Ordner nicht gefunden"},
    {"fichiers.dossier_du_nom", "Un dossier porte ce nom", "a folder has that name", "ein Ordner trägt diesen Namen"},
    {"fichiers.nom_incorrect", "Nom de fichier incorrect", "invalid file name", "ungültiger Dateiname"},
    {"fichiers.entree_sortie", "Erreur d'entrée-sortie du disque", "disk input/output error", "Ein-/Ausgabefehler des Datenträgers"},
    {"fichiers.systeme", "Erreur système %1", "system error %1", "Systemfehler %1"},
    {"fichiers.stats_recent",
     "Le fichier des statistiques « %1 » vient d'une version plus récente de Trelmo : il est "
     "laissé tel quel et les statistiques de cette session ne seront pas gardées.",
     "The statistics file “%1” comes from a newer version of Trelmo: it is left as it is "
     "and the statistics of this session will not be kept.",
     "Die Statistikdatei „%1“ stammt aus einer neueren Version von Trelmo: Sie bleibt "
     "unverändert, und die Statistik dieser Sitzung wird nicht gespeichert."},
    {"fichiers.stats_pas_de_cote",
     "Le fichier des statistiques « %1 » est illisible ou endommagé et n'a pas pu être mis de "
     "côté : il est laissé tel quel et les statistiques de cette session ne seront pas gardées.",
     "The statistics file “%1” is unreadable or damaged and could not be set aside: it is left "
     "as it is and the statistics of this session will not be kept.",
     "Die Statistikdatei „%1“ ist unlesbar oder beschädigt und konnte nicht beiseitegelegt "
     "werden: Sie bleibt unverändert, und die Statistik dieser Sitzung wird nicht gespeichert."},
    {"fichiers.stats_ecriture",
     "Le fichier des statistiques « %1 » ne peut pas être écrit (%2) : les "
     "statistiques de cette session ne seront pas gardées.",
     "The statistics file “%1” cannot be written (%2): the statistics of this "
     "session will not be kept.",
     "Die Statistikdatei „%1“ kann nicht geschrieben werden (%2): Die Statistik "
     "dieser Sitzung wird nicht gespeichert."},
    {"fichiers.stats_mis_de_cote",
     "Le fichier des statistiques était illisible ou endommagé : il a été mis de côté sous le nom "
     "« %1 » et les statistiques repartent de zéro.",
     "The statistics file was unreadable or damaged: it has been set aside as “%1” and the "
     "statistics start afresh.",
     "Die Statistikdatei war unlesbar oder beschädigt: Sie wurde unter dem Namen „%1“ "
     "beiseitegelegt, und die Statistik beginnt von vorn."},
};

constexpr auto kIds = [] {
    std::array<const char*, std::size(kTextes) + 1> ids{};
    for (std::size_t i = 0; i < std::size(kTextes); ++i)
        ids[i] = kTextes[i].id;
    return ids;
}();

std::atomic<TraducteurFichiers> traducteur_{nullptr};

} // namespace

void definir_traducteur_fichiers(TraducteurFichiers traducteur) { traducteur_ = traducteur; }

const char* const* ids_fichiers() { return kIds.data(); }

std::string texte_fichiers_integre(int32_t langue, const char* id)
{
    for (const TexteFichiers& t : kTextes)
        if (std::string_view(t.id) == id)
            return langue == 0 ? t.fr : langue == 2 ? t.de : t.en;
    return {};
}

std::string texte_fichiers(int32_t langue, const char* id)
{
    if (const TraducteurFichiers traduire = traducteur_.load())
        if (std::string t = traduire(langue, id); !t.empty())
            return t;
    return texte_fichiers_integre(langue, id);
}

std::string remplir(const std::string& modele, std::initializer_list<std::string> valeurs)
{
    std::string r;
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const char c = modele[i];
        if (c == '%' && i + 1 < modele.size() && modele[i + 1] >= '1' && modele[i + 1] <= '9'
            && static_cast<std::size_t>(modele[i + 1] - '1') < valeurs.size()) {
            r += valeurs.begin()[modele[i + 1] - '1'];
            ++i;
        } else {
            r += c;
        }
    }
    return r;
}

std::string raison_erreur(int32_t langue, int err)
{
    auto t = [langue](const char* id) { return texte_fichiers(langue, id); };
    switch (err) {
    case EACCES:
    case EPERM:
        return t("fichiers.permission");
    case EROFS:
        return t("fichiers.lecture_seule");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return t("fichiers.disque_plein");
    case ENOENT:
        return t("fichiers.dossier_introuvable");
    case EISDIR:
        return t("fichiers.dossier_du_nom");
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return t("fichiers.nom_incorrect");
    case EIO:
        return t("fichiers.entree_sortie");
    default:
        return remplir(t("fichiers.systeme"), {std::to_string(err)});
    }
}

void lever_erreur_es(int code)
{
    throw Erreur(texte_erreur_es(code));
}

} // namespace trelmo
