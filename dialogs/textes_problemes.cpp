#include "dialogs/textes_problemes.h"

#include <cstdio>

namespace trelmo {

namespace {

TextesProblemes francais()
{
    TextesProblemes t;
    t.titre = "Problèmes";
    t.plateaux[0] = "Plateau anglais (33 trous)";
    t.plateaux[1] = "Plateau français (37 trous)";
    t.plateaux[2] = "Mission Impossible (45 trous)";
    t.billes = "%1 billes";
    t.finir_en = "finir en %1";
    t.finir_partout = "finir avec une bille";
    t.serie = "%1 problèmes, %2 résolus";
    t.resolu = "Résolu, meilleur temps %1";
    t.pas_resolu = "Pas encore résolu";
    t.choisir_depart = "Choisissez le trou vide au départ";
    t.choisir_cible = "Choisissez le trou de la dernière bille";
    t.symetriques = "Le même problème tourné ou retourné : %1";
    t.autre_depart = "Échap : un autre trou de départ";
    t.trou = "Trou %1";
    t.trou_bille = "bille";
    t.trou_vide = "vide";
    t.trou_depart = "trou de départ possible";
    t.trou_cible = "arrivée possible";
    t.trou_resolu = "résolu";
    t.nom_liste = "Liste des problèmes";
    t.nom_plateau = "Plateau du problème";
    t.jouer = "Jouer";
    t.annuler = "Annuler";

    t.stats_titre = "Statistiques";
    t.onglets[0] = "Anglais";
    t.onglets[1] = "Français";
    t.onglets[2] = "Mission Impossible";
    t.onglets[3] = "Problèmes";
    t.commencees = "Parties commencées";
    t.terminees = "Parties terminées";
    t.gagnees = "Parties gagnées";
    t.moins_de_billes = "Moins de billes restantes";
    t.meilleur_temps = "Meilleur temps";
    t.moyenne = "Résultat moyen";
    t.serie_en_cours = "Victoires d'affilée";
    t.meilleure_serie = "Meilleure série";
    t.indices = "Conseils utilisés";
    t.resolus = "Problèmes résolus";
    t.sur = "%1 sur %2";
    t.aucun = "–";
    t.graphique = "Billes restantes en fin de partie";
    t.graphique_vide = "Aucune partie terminée";
    t.graphique_barre = "%1 billes restantes : %2 parties";
    t.nom_onglets = "Plateaux";
    t.decimale = ',';
    t.par_probleme[0] = "Problème";
    t.par_probleme[1] = "Commencées";
    t.par_probleme[2] = "Gagnées";
    t.par_probleme[3] = "Meilleur temps";
    t.par_probleme[4] = "Conseils";
    t.ligne_probleme = "%1 : commencées %2, gagnées %3, meilleur temps %4, conseils %5";
    t.nom_par_probleme = "Par problème";
    t.nom_scores = "Les 10 meilleurs scores";
    t.ligne_score = "%1. %2 : %3, %4 : %5, %6 : %7";
    return t;
}

TextesProblemes anglais()
{
    TextesProblemes t;
    t.titre = "Problems";
    t.plateaux[0] = "English board (33 holes)";
    t.plateaux[1] = "French board (37 holes)";
    t.plateaux[2] = "Mission Impossible (45 holes)";
    t.billes = "%1 marbles";
    t.finir_en = "finish on %1";
    t.finir_partout = "finish with one marble";
    t.serie = "%1 problems, %2 solved";
    t.resolu = "Solved, best time %1";
    t.pas_resolu = "Not solved yet";
    t.choisir_depart = "Choose the hole that starts empty";
    t.choisir_cible = "Choose the hole of the last marble";
    t.symetriques = "The same problem turned or mirrored: %1";
    t.autre_depart = "Escape: another starting hole";
    t.trou = "Hole %1";
    t.trou_bille = "marble";
    t.trou_vide = "empty";
    t.trou_depart = "possible start";
    t.trou_cible = "possible finish";
    t.trou_resolu = "solved";
    t.nom_liste = "List of problems";
    t.nom_plateau = "Board of the problem";
    t.jouer = "Play";
    t.annuler = "Cancel";

    t.stats_titre = "Statistics";
    t.onglets[0] = "English";
    t.onglets[1] = "French";
    t.onglets[2] = "Mission Impossible";
    t.onglets[3] = "Problems";
    t.commencees = "Games started";
    t.terminees = "Games finished";
    t.gagnees = "Games won";
    t.moins_de_billes = "Fewest marbles left";
    t.meilleur_temps = "Best time";
    t.moyenne = "Mean result";
    t.serie_en_cours = "Current winning streak";
    t.meilleure_serie = "Best winning streak";
    t.indices = "Hints used";
    t.resolus = "Problems solved";
    t.sur = "%1 of %2";
    t.aucun = "–";
    t.graphique = "Marbles left at the end of a game";
    t.graphique_vide = "No finished game yet";
    t.graphique_barre = "%1 marbles left: %2 games";
    t.nom_onglets = "Boards";
    t.decimale = '.';
    t.par_probleme[0] = "Problem";
    t.par_probleme[1] = "Started";
    t.par_probleme[2] = "Won";
    t.par_probleme[3] = "Best time";
    t.par_probleme[4] = "Hints";
    t.ligne_probleme = "%1: started %2, won %3, best time %4, hints %5";
    t.nom_par_probleme = "Per problem";
    t.nom_scores = "The ten best scores";
    t.ligne_score = "%1. %2: %3, %4: %5, %6: %7";
    return t;
}

TextesProblemes allemand()
{
    TextesProblemes t;
    t.titre = "Aufgaben";
    t.plateaux[0] = "Englisches Brett (33 Löcher)";
    t.plateaux[1] = "Französisches Brett (37 Löcher)";
    t.plateaux[2] = "Mission Impossible (45 Löcher)";
    t.billes = "%1 Kugeln";
    t.finir_en = "Ende auf %1";
    t.finir_partout = "Ende mit einer Kugel";
    t.serie = "%1 Aufgaben, %2 gelöst";
    t.resolu = "Gelöst, Bestzeit %1";
    t.pas_resolu = "Noch nicht gelöst";
    t.choisir_depart = "Wählen Sie das anfangs leere Loch";
    t.choisir_cible = "Wählen Sie das Loch der letzten Kugel";
    t.symetriques = "Dieselbe Aufgabe, gedreht oder gespiegelt: %1";
    t.autre_depart = "Esc: ein anderes Startloch";
    t.trou = "Loch %1";
    t.trou_bille = "Kugel";
    t.trou_vide = "leer";
    t.trou_depart = "mögliches Startloch";
    t.trou_cible = "mögliches Ziel";
    t.trou_resolu = "gelöst";
    t.nom_liste = "Liste der Aufgaben";
    t.nom_plateau = "Brett der Aufgabe";
    t.jouer = "Spielen";
    t.annuler = "Abbrechen";

    t.stats_titre = "Statistik";
    t.onglets[0] = "Englisch";
    t.onglets[1] = "Französisch";
    t.onglets[2] = "Mission Impossible";
    t.onglets[3] = "Aufgaben";
    t.commencees = "Begonnene Spiele";
    t.terminees = "Beendete Spiele";
    t.gagnees = "Gewonnene Spiele";
    t.moins_de_billes = "Wenigste Restkugeln";
    t.meilleur_temps = "Bestzeit";
    t.moyenne = "Durchschnittliches Ergebnis";
    t.serie_en_cours = "Aktuelle Siegesserie";
    t.meilleure_serie = "Beste Siegesserie";
    t.indices = "Benutzte Tipps";
    t.resolus = "Gelöste Aufgaben";
    t.sur = "%1 von %2";
    t.aucun = "–";
    t.graphique = "Restkugeln am Spielende";
    t.graphique_vide = "Noch kein beendetes Spiel";
    t.graphique_barre = "%1 Restkugeln: %2 Spiele";
    t.nom_onglets = "Bretter";
    t.decimale = ',';
    t.par_probleme[0] = "Aufgabe";
    t.par_probleme[1] = "Begonnen";
    t.par_probleme[2] = "Gewonnen";
    t.par_probleme[3] = "Bestzeit";
    t.par_probleme[4] = "Tipps";
    t.ligne_probleme = "%1: begonnen %2, gewonnen %3, Bestzeit %4, Tipps %5";
    t.nom_par_probleme = "Je Aufgabe";
    t.nom_scores = "Die zehn besten Ergebnisse";
    t.ligne_score = "%1. %2: %3, %4: %5, %6: %7";
    return t;
}

} // namespace

const TextesProblemes& textes_problemes(int32_t langue)
{
    static const TextesProblemes fr = francais(), en = anglais(), de = allemand();
    switch (langue) {
    case 0: return fr;
    case 2: return de;
    default: return en;
    }
}

std::string duree(int secondes)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02d:%02d:%02d", secondes / 3600 % 100, secondes / 60 % 60, secondes % 60);
    return texte;
}

} // namespace trelmo
