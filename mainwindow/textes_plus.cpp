#include "mainwindow/textes_plus.h"

#include "dialogs/langue.h"

#include <vector>

namespace trelmo {

namespace {

TextesPlus lire(int32_t langue)
{
    TextesPlus t;
    t.langue = langue;
    t.annuler = texte(langue, "plus.annuler");
    t.refaire = texte(langue, "plus.refaire");
    t.indice = texte(langue, "plus.indice");
    t.reperes = texte(langue, "plus.reperes");
    t.taille = texte(langue, "plus.taille");
    t.taille_pourcent = texte(langue, "plus.taille_pourcent");
    t.taille_ecran = texte(langue, "plus.taille_ecran");
    t.plein_ecran = texte(langue, "plus.plein_ecran");
    t.problemes = texte(langue, "plus.problemes");
    t.statistiques = texte(langue, "plus.statistiques");
    t.astuce = texte(langue, "plus.astuce");
    t.plateau = texte(langue, "plus.plateau");
    t.trou = texte(langue, "plus.trou");
    t.bille = texte(langue, "plus.bille");
    t.bille_mobile = texte(langue, "plus.bille_mobile");
    t.bille_prise = texte(langue, "plus.bille_prise");
    t.vide = texte(langue, "plus.vide");
    t.vide_arrivee = texte(langue, "plus.vide_arrivee");
    t.billes_restantes = texte(langue, "plus.billes_restantes");
    t.temps = texte(langue, "plus.temps");
    t.annonce_saut = texte(langue, "plus.annonce_saut");
    t.annonce_annule = texte(langue, "plus.annonce_annule");
    t.reste_une = texte(langue, "plus.reste_une");
    t.reste_n = texte(langue, "plus.reste_n");
    t.annonce_gagne = texte(langue, "plus.annonce_gagne");
    t.annonce_perdu = texte(langue, "plus.annonce_perdu");
    t.partie_endommagee = texte(langue, "plus.partie_endommagee");
    t.haut = texte(langue, "plus.haut");
    t.droite = texte(langue, "plus.droite");
    t.bas = texte(langue, "plus.bas");
    t.gauche = texte(langue, "plus.gauche");
    t.finir_une = texte(langue, "plus.finir_une");
    t.meilleur_n = texte(langue, "plus.meilleur_n");
    t.non_prouve = texte(langue, "plus.non_prouve");
    t.cible_atteignable = texte(langue, "plus.cible_atteignable");
    t.cible_perdue = texte(langue, "plus.cible_perdue");
    t.prise_faite = texte(langue, "plus.prise_faite");
    t.prise_reposee = texte(langue, "plus.prise_reposee");
    t.pas_de_saut = texte(langue, "plus.pas_de_saut");
    t.pas_d_arrivee = texte(langue, "plus.pas_d_arrivee");
    t.partie_commencee = texte(langue, "plus.partie_commencee");
    t.partie_chargee = texte(langue, "plus.partie_chargee");
    t.partie_arretee = texte(langue, "plus.partie_arretee");
    t.saut_conseille = texte(langue, "plus.saut_conseille");
    t.cible_trou = texte(langue, "plus.cible_trou");
    return t;
}

} // namespace

const TextesPlus& textes_plus(int32_t langue)
{
    return par_langue<TextesPlus>(langue, lire);
}

QString reste(const TextesPlus& t, int billes)
{
    return billes == 1 ? t.reste_une : texte_n(t.langue, "plus.reste_n", billes).arg(billes);
}

} // namespace trelmo
