#include "dialogs/textes_joueur.h"

#include <cstring>
#include <initializer_list>

namespace trelmo {

namespace {

constexpr const char* kIds[] = {
    "plus.reprendre",
    "plus.reprise_gardee",
    "plus.reprise_faite",
    "plus.reprise_endommagee",
    "plus.abandon_annule",
    "plus.copier",
    "plus.coller",
    "plus.copie_faite",
    "plus.texte_refuse",
    "plus.exporter",
    "plus.importer",
    "plus.fichier_ecriture",
    "plus.filtre",
    "plus.nouveau_probleme",
    "plus.editeur_titre",
    "plus.editeur_aide",
    "plus.editeur_plateau",
    "plus.editeur_nom",
    "plus.editeur_garder",
    "plus.editeur_jouer",
    "plus.editeur_fermer",
    "plus.editeur_vider",
    "plus.editeur_remplir",
    "plus.editeur_nom_defaut",
    "plus.editeur_garde",
    "plus.editeur_cible",
    "plus.verdict_attente",
    "plus.verdict_un",
    "plus.verdict_meilleur",
    "plus.verdict_non_prouve",
    "plus.verdict_cible_perdue",
    "plus.verdict_aucun",
    "plus.mes_problemes",
    "plus.renommer",
    "plus.supprimer",
    "plus.supprimer_question",
    "plus.mes_problemes_endommages",
    "plus.mes_problemes_ecriture",
    "plus.mes_problemes_aucun",
    "plus.regarder",
    "plus.regarder_debut",
    "plus.regarder_non_prouve",
    "plus.regarder_saut",
    "plus.regarder_pause",
    "plus.regarder_fin",
    "plus.animation"
,
    nullptr,
};

} // namespace

const char* const* ids_joueur() { return kIds; }

bool pluriel_joueur(const char* id)
{
    for (const char* p : {"plus.verdict_meilleur", "plus.verdict_non_prouve", "plus.verdict_cible_perdue"})
        if (std::strcmp(p, id) == 0)
            return true;
    return false;
}

} // namespace trelmo
