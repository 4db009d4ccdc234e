#include "dialogs/textes_problemes.h"

#include "dialogs/langue.h"

#include <cstdio>
#include <vector>

namespace trelmo {

namespace {

std::string s(int32_t langue, const char* id) { return texte(langue, id).toStdString(); }

TextesProblemes lire(int32_t langue)
{
    TextesProblemes t;
    t.titre = s(langue, "problemes.titre");
    t.plateaux[0] = s(langue, "problemes.plateaux[0]");
    t.plateaux[1] = s(langue, "problemes.plateaux[1]");
    t.plateaux[2] = s(langue, "problemes.plateaux[2]");
    t.billes = s(langue, "problemes.billes");
    t.finir_en = s(langue, "problemes.finir_en");
    t.finir_partout = s(langue, "problemes.finir_partout");
    t.serie = s(langue, "problemes.serie");
    t.resolu = s(langue, "problemes.resolu");
    t.pas_resolu = s(langue, "problemes.pas_resolu");
    t.choisir_depart = s(langue, "problemes.choisir_depart");
    t.choisir_cible = s(langue, "problemes.choisir_cible");
    t.symetriques = s(langue, "problemes.symetriques");
    t.autre_depart = s(langue, "problemes.autre_depart");
    t.trou = s(langue, "problemes.trou");
    t.trou_bille = s(langue, "problemes.trou_bille");
    t.trou_vide = s(langue, "problemes.trou_vide");
    t.trou_depart = s(langue, "problemes.trou_depart");
    t.trou_cible = s(langue, "problemes.trou_cible");
    t.trou_resolu = s(langue, "problemes.trou_resolu");
    t.nom_liste = s(langue, "problemes.nom_liste");
    t.nom_plateau = s(langue, "problemes.nom_plateau");
    t.jouer = s(langue, "problemes.jouer");
    t.annuler = s(langue, "problemes.annuler");
    t.stats_titre = s(langue, "problemes.stats_titre");
    t.onglets[0] = s(langue, "problemes.onglets[0]");
    t.onglets[1] = s(langue, "problemes.onglets[1]");
    t.onglets[2] = s(langue, "problemes.onglets[2]");
    t.onglets[3] = s(langue, "problemes.onglets[3]");
    t.commencees = s(langue, "problemes.commencees");
    t.terminees = s(langue, "problemes.terminees");
    t.gagnees = s(langue, "problemes.gagnees");
    t.moins_de_billes = s(langue, "problemes.moins_de_billes");
    t.meilleur_temps = s(langue, "problemes.meilleur_temps");
    t.moyenne = s(langue, "problemes.moyenne");
    t.serie_en_cours = s(langue, "problemes.serie_en_cours");
    t.meilleure_serie = s(langue, "problemes.meilleure_serie");
    t.indices = s(langue, "problemes.indices");
    t.resolus = s(langue, "problemes.resolus");
    t.sur = s(langue, "problemes.sur");
    t.aucun = s(langue, "problemes.aucun");
    t.graphique = s(langue, "problemes.graphique");
    t.graphique_vide = s(langue, "problemes.graphique_vide");
    t.graphique_barre = s(langue, "problemes.graphique_barre");
    t.nom_onglets = s(langue, "problemes.nom_onglets");
    t.par_probleme[0] = s(langue, "problemes.par_probleme[0]");
    t.par_probleme[1] = s(langue, "problemes.par_probleme[1]");
    t.par_probleme[2] = s(langue, "problemes.par_probleme[2]");
    t.par_probleme[3] = s(langue, "problemes.par_probleme[3]");
    t.par_probleme[4] = s(langue, "problemes.par_probleme[4]");
    t.ligne_probleme = s(langue, "problemes.ligne_probleme");
    t.nom_par_probleme = s(langue, "problemes.nom_par_probleme");
    t.nom_scores = s(langue, "problemes.nom_scores");
    t.ligne_score = s(langue, "problemes.ligne_score");
    const QString decimale = texte(langue, "problemes.decimale");
    t.decimale = decimale.size() == 1 && decimale[0].unicode() < 128 ? static_cast<char>(decimale[0].unicode()) : '.';
    return t;
}

} // namespace

const TextesProblemes& textes_problemes(int32_t langue)
{
    return par_langue<TextesProblemes>(langue, lire);
}

std::string duree(int secondes)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02d:%02d:%02d", secondes / 3600 % 100, secondes / 60 % 60, secondes % 60);
    return texte;
}

} // namespace trelmo
