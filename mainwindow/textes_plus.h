#pragma once
// Texts of the commands added to the main window (the context menu, the
// keyboard, the screen reader, the hints) in one interface language, read
// from the translation catalogues. The texts that count marbles hold the
// plural form for many; texte_n() (dialogs/langue.h) gives the others.
#include <QString>

#include <cstdint>

namespace trelmo {

struct TextesPlus {
    int32_t langue = 1;              // the language these texts are in
    // Context menu.
    QString annuler, refaire, indice, reperes, problemes, statistiques;
    QString taille, taille_pourcent, taille_ecran, plein_ecran;   // the window's size
    // The balloon shown at the first start.
    QString astuce;
    // Screen reader.
    QString plateau;                 // the board's name
    QString trou;                    // "Column %1, row %2: %3"
    QString bille, bille_mobile, bille_prise, vide, vide_arrivee;
    QString billes_restantes;        // "Marbles left: %1"
    QString temps;                   // "Time: %1"
    QString annonce_saut;            // "Jump from column %1, row %2 to column %3, row %4. %5"
    QString annonce_annule;          // "Jump undone. %1"
    QString reste_une, reste_n;      // "1 marble left." / "%1 marbles left."
    QString annonce_gagne, annonce_perdu;   // end of the game; %1 marbles left
    // What becomes of a marble, after "Column %1, row %2: ".
    QString prise_faite, prise_reposee;  // "marble picked up" / "marble put back"
    QString pas_de_saut;                 // "cannot jump from here"
    QString pas_d_arrivee;               // "cannot land here."
    QString partie_commencee;            // "New game. %1" (marbles left)
    QString partie_chargee;              // "Game loaded. %1"
    QString partie_arretee;              // "Game stopped."
    // A restored game that is damaged.
    QString partie_endommagee;
    // The hint: the jump's direction, then what is still reachable.
    QString haut, droite, bas, gauche;   // "Jump up" ...
    QString finir_une;                   // "%1: you can still finish with 1 marble."
    QString meilleur_n;                  // "%1: the best you can still reach is %2 marbles."
    QString non_prouve;                  // "%1: best found so far: %2 marbles (not proven)."
    QString cible_atteignable;           // "%1: you can still finish on the target."
    QString cible_perdue;                // "%1: the target is out of reach; the best is %2 marbles."
    QString saut_conseille;              // spoken: "Jump from column %1, row %2 to column %3, row %4"
    QString cible_trou;                  // spoken in a problem: "The target is column %1, row %2."
};

// An index without a catalogue gives English.
const TextesPlus& textes_plus(int32_t langue);

// "%1 marbles left." with the right number.
QString reste(const TextesPlus& t, int billes);

} // namespace trelmo
