#include "mainwindow/textes_plus.h"

namespace trelmo {

namespace {

TextesPlus francais()
{
    TextesPlus t;
    t.annuler = QStringLiteral("Annuler le coup");
    t.refaire = QStringLiteral("Refaire le coup");
    t.indice = QStringLiteral("Conseil");
    t.reperes = QStringLiteral("Montrer les trous d'arrivée");
    t.problemes = QStringLiteral("Problèmes…");
    t.statistiques = QStringLiteral("Statistiques…");
    t.astuce = QStringLiteral("Clic droit : annuler, conseils et plus encore");
    t.plateau = QStringLiteral("Plateau");
    t.trou = QStringLiteral("Colonne %1, ligne %2 : %3");
    t.bille = QStringLiteral("bille");
    t.bille_mobile = QStringLiteral("bille, peut sauter");
    t.bille_prise = QStringLiteral("bille, prise");
    t.vide = QStringLiteral("vide");
    t.vide_arrivee = QStringLiteral("vide, arrivée possible");
    t.billes_restantes = QStringLiteral("Billes restantes : %1");
    t.temps = QStringLiteral("Temps : %1");
    t.annonce_saut = QStringLiteral("Saut de la colonne %1, ligne %2 à la colonne %3, ligne %4. %5");
    t.annonce_annule = QStringLiteral("Coup annulé. %1");
    t.reste_une = QStringLiteral("Il reste une bille.");
    t.reste_n = QStringLiteral("Il reste %1 billes.");
    t.annonce_gagne = QStringLiteral("Gagné ! Il reste une bille.");
    t.annonce_perdu = QStringLiteral("Partie terminée. Il reste %1 billes.");
    t.partie_endommagee = QStringLiteral("La partie sauvegardée est endommagée.");
    t.haut = QStringLiteral("Sautez vers le haut");
    t.droite = QStringLiteral("Sautez vers la droite");
    t.bas = QStringLiteral("Sautez vers le bas");
    t.gauche = QStringLiteral("Sautez vers la gauche");
    t.finir_une = QStringLiteral("%1 : vous pouvez encore finir avec une bille.");
    t.meilleur_n = QStringLiteral("%1 : le mieux encore possible est de laisser %2 billes.");
    t.non_prouve = QStringLiteral("%1 : meilleur résultat trouvé, %2 billes (non prouvé).");
    t.cible_atteignable = QStringLiteral("%1 : vous pouvez encore finir sur la cible.");
    t.cible_perdue = QStringLiteral("%1 : la cible n'est plus accessible ; le mieux est de laisser %2 billes.");
    t.prise_faite = QStringLiteral("bille prise");
    t.prise_reposee = QStringLiteral("bille reposée");
    t.pas_de_saut = QStringLiteral("pas de saut possible d'ici");
    t.pas_d_arrivee = QStringLiteral("impossible d'arriver ici.");
    t.partie_commencee = QStringLiteral("Nouvelle partie. %1");
    t.partie_chargee = QStringLiteral("Partie chargée. %1");
    t.partie_arretee = QStringLiteral("Partie arrêtée.");
    t.saut_conseille = QStringLiteral("Saut de la colonne %1, ligne %2 à la colonne %3, ligne %4");
    t.cible_trou = QStringLiteral("La cible est la colonne %1, ligne %2.");
    return t;
}

TextesPlus anglais()
{
    TextesPlus t;
    t.annuler = QStringLiteral("Undo");
    t.refaire = QStringLiteral("Redo");
    t.indice = QStringLiteral("Hint");
    t.reperes = QStringLiteral("Show landing holes");
    t.problemes = QStringLiteral("Problems…");
    t.statistiques = QStringLiteral("Statistics…");
    t.astuce = QStringLiteral("Right-click for undo, hints and more");
    t.plateau = QStringLiteral("Board");
    t.trou = QStringLiteral("Column %1, row %2: %3");
    t.bille = QStringLiteral("marble");
    t.bille_mobile = QStringLiteral("marble, can jump");
    t.bille_prise = QStringLiteral("marble, held");
    t.vide = QStringLiteral("empty");
    t.vide_arrivee = QStringLiteral("empty, can land here");
    t.billes_restantes = QStringLiteral("Marbles left: %1");
    t.temps = QStringLiteral("Time: %1");
    t.annonce_saut = QStringLiteral("Jump from column %1, row %2 to column %3, row %4. %5");
    t.annonce_annule = QStringLiteral("Jump undone. %1");
    t.reste_une = QStringLiteral("1 marble left.");
    t.reste_n = QStringLiteral("%1 marbles left.");
    t.annonce_gagne = QStringLiteral("You won! One marble left.");
    t.annonce_perdu = QStringLiteral("Game over. %1 marbles left.");
    t.partie_endommagee = QStringLiteral("The saved game is damaged.");
    t.haut = QStringLiteral("Jump up");
    t.droite = QStringLiteral("Jump right");
    t.bas = QStringLiteral("Jump down");
    t.gauche = QStringLiteral("Jump left");
    t.finir_une = QStringLiteral("%1: you can still finish with 1 marble.");
    t.meilleur_n = QStringLiteral("%1: the best you can still reach is %2 marbles.");
    t.non_prouve = QStringLiteral("%1: best found so far, %2 marbles (not proven).");
    t.cible_atteignable = QStringLiteral("%1: you can still finish on the target.");
    t.cible_perdue = QStringLiteral("%1: the target is out of reach; the best you can reach is %2 marbles.");
    t.prise_faite = QStringLiteral("marble picked up");
    t.prise_reposee = QStringLiteral("marble put back");
    t.pas_de_saut = QStringLiteral("cannot jump from here");
    t.pas_d_arrivee = QStringLiteral("cannot land here.");
    t.partie_commencee = QStringLiteral("New game. %1");
    t.partie_chargee = QStringLiteral("Game loaded. %1");
    t.partie_arretee = QStringLiteral("Game stopped.");
    t.saut_conseille = QStringLiteral("Jump from column %1, row %2 to column %3, row %4");
    t.cible_trou = QStringLiteral("The target is column %1, row %2.");
    return t;
}

TextesPlus allemand()
{
    TextesPlus t;
    t.annuler = QStringLiteral("Rückgängig");
    t.refaire = QStringLiteral("Wiederholen");
    t.indice = QStringLiteral("Tipp");
    t.reperes = QStringLiteral("Zielfelder zeigen");
    t.problemes = QStringLiteral("Aufgaben…");
    t.statistiques = QStringLiteral("Statistik…");
    t.astuce = QStringLiteral("Rechtsklick: Rückgängig, Tipps und mehr");
    t.plateau = QStringLiteral("Spielbrett");
    t.trou = QStringLiteral("Spalte %1, Reihe %2: %3");
    t.bille = QStringLiteral("Kugel");
    t.bille_mobile = QStringLiteral("Kugel, kann springen");
    t.bille_prise = QStringLiteral("Kugel, aufgenommen");
    t.vide = QStringLiteral("leer");
    t.vide_arrivee = QStringLiteral("leer, Landung möglich");
    t.billes_restantes = QStringLiteral("Verbleibende Kugeln: %1");
    t.temps = QStringLiteral("Zeit: %1");
    t.annonce_saut = QStringLiteral("Sprung von Spalte %1, Reihe %2 nach Spalte %3, Reihe %4. %5");
    t.annonce_annule = QStringLiteral("Zug zurückgenommen. %1");
    t.reste_une = QStringLiteral("Noch eine Kugel.");
    t.reste_n = QStringLiteral("Noch %1 Kugeln.");
    t.annonce_gagne = QStringLiteral("Gewonnen! Eine Kugel bleibt übrig.");
    t.annonce_perdu = QStringLiteral("Spiel beendet. Noch %1 Kugeln.");
    t.partie_endommagee = QStringLiteral("Die gespeicherte Partie ist beschädigt.");
    t.haut = QStringLiteral("Springen Sie nach oben");
    t.droite = QStringLiteral("Springen Sie nach rechts");
    t.bas = QStringLiteral("Springen Sie nach unten");
    t.gauche = QStringLiteral("Springen Sie nach links");
    t.finir_une = QStringLiteral("%1: Sie können noch mit einer Kugel enden.");
    t.meilleur_n = QStringLiteral("%1: Bestenfalls bleiben noch %2 Kugeln übrig.");
    t.non_prouve = QStringLiteral("%1: Bisher bestes Ergebnis %2 Kugeln (nicht bewiesen).");
    t.cible_atteignable = QStringLiteral("%1: Sie können noch auf dem Zielfeld enden.");
    t.cible_perdue = QStringLiteral("%1: Das Zielfeld ist nicht mehr erreichbar; bestenfalls bleiben %2 Kugeln.");
    t.prise_faite = QStringLiteral("Kugel aufgenommen");
    t.prise_reposee = QStringLiteral("Kugel zurückgelegt");
    t.pas_de_saut = QStringLiteral("von hier kein Sprung möglich");
    t.pas_d_arrivee = QStringLiteral("hier keine Landung möglich.");
    t.partie_commencee = QStringLiteral("Neues Spiel. %1");
    t.partie_chargee = QStringLiteral("Partie geladen. %1");
    t.partie_arretee = QStringLiteral("Spiel abgebrochen.");
    t.saut_conseille = QStringLiteral("Sprung von Spalte %1, Reihe %2 nach Spalte %3, Reihe %4");
    t.cible_trou = QStringLiteral("Das Zielfeld ist Spalte %1, Reihe %2.");
    return t;
}

} // namespace

const TextesPlus& textes_plus(int32_t langue)
{
    static const TextesPlus t[3] = {francais(), anglais(), allemand()};
    return t[langue >= 0 && langue <= 2 ? langue : 1];
}

QString reste(const TextesPlus& t, int billes)
{
    return billes == 1 ? t.reste_une : t.reste_n.arg(billes);
}

} // namespace trelmo
