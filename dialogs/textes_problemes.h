#pragma once
// The texts of the Problems dialog and the Statistics window in one interface
// language, read from the translation catalogues. UTF-8; "%1", "%2" stand for
// the values put in; the texts that count hold the plural form for many, and
// texte_n() (dialogs/langue.h) gives the others.
#include <cstdint>
#include <string>

namespace trelmo {

struct TextesProblemes {
    // Problems dialog.
    std::string titre;                  // window title
    std::string plateaux[3];            // list headings: English, French, 45-hole board
    std::string billes;                 // "%1 marbles"
    std::string finir_en;               // "finish on %1"
    std::string finir_partout;          // no target: one marble anywhere
    std::string serie;                  // "%1 problems, %2 solved"
    std::string resolu;                 // "solved, best time %1"
    std::string pas_resolu;
    std::string choisir_depart;         // picking the hole that starts empty
    std::string choisir_cible;          // picking the finishing hole
    std::string symetriques;            // "the same problem turned or mirrored: %1"
    std::string autre_depart;           // how to go back to the choice of the start
    std::string trou;                   // "hole %1", for screen readers
    std::string trou_bille, trou_vide, trou_depart, trou_cible, trou_resolu;
    std::string nom_liste, nom_plateau; // accessible names of the list and the board
    std::string jouer, annuler;

    // Statistics window.
    std::string stats_titre;
    std::string onglets[4];             // English, French, 45-hole board, problems
    std::string commencees, terminees, gagnees, moins_de_billes, meilleur_temps, moyenne,
        serie_en_cours, meilleure_serie, indices, resolus;
    std::string sur;                    // "%1 of %2"
    std::string aucun;                  // a figure that does not exist yet
    std::string graphique;              // the chart's title
    std::string graphique_vide;         // no finished game
    std::string graphique_barre;        // "%1 marbles left: %2 games", for screen readers
    std::string nom_onglets;
    // The figures of each problem played: the table's headings, and a row as
    // a screen reader reads it ("%1: started %2, won %3, best time %4, hints %5").
    std::string par_probleme[5];        // problem, started, won, best time, hints
    std::string ligne_probleme;
    std::string nom_par_probleme;       // the table's accessible name

    // Score table, for screen readers: its name, and a row "%1. %2: %3, %4: %5, %6: %7"
    // (rank, then each heading with its value).
    std::string nom_scores;
    std::string ligne_score;
    char decimale = '.';                // decimal separator of the mean
};

// The texts of an interface language (0 French, 1 English, 2 German, then the
// other catalogues); an index without a catalogue gives English.
const TextesProblemes& textes_problemes(int32_t langue);

// A duration in seconds as the chronometer shows it: "00:01:35".
std::string duree(int secondes);

} // namespace trelmo
