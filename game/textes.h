#pragma once
// The original texts of the main window and its dialogs in one interface
// language. The commands added since have their own tables
// (mainwindow/textes_plus.h, dialogs/textes_problemes.h), and so have the
// files' messages (storage/erreur_es.h). All of them come from the
// translation catalogues (translations/trelmo_<code>.ts);
// French, English and German are languages 0, 1 and 2, the other catalogues
// follow. Texts are UTF-8; "\r" is one carriage return, drawn as a line break.
#include <cstdint>
#include <string>
#include <string_view>

namespace trelmo {

enum Langue : int32_t { FRANCAIS = 0, ANGLAIS = 1, ALLEMAND = 2 };

// System language code of a language abbreviation: the first two characters,
// upper-cased (letters a-z only): "DE" 2, "ES" 5, "FR" 3, "IT" 4, anything
// else (including "EN" and an empty text) 1.
int32_t code_langue(std::string_view abreviation);

// Interface language of a system language code: 3 French, 2 German, any
// other English.
int32_t langue_du_code(int32_t code);

// Interface language of a language abbreviation ("fr", "FRA", "de_AT" ...).
int32_t index_langue(std::string_view abreviation);

struct Textes {
    // Main window captions and hints (an empty hint means no hint).
    std::string texture_plateau, texture_bille, infos, aide, charger, sauver, scores, quitter;
    std::string hint_texture_plateau, hint_texture_bille, hint_infos, hint_aide, hint_charger,
        hint_sauver, hint_scores, hint_quitter;
    int taille_boutons = 17;   // pixel height of the charger, sauver and scores captions

    // Texts kept for later use by the game and the load / save commands.
    std::string gagne, termine, reposer, reposer_hint, nouvelle, nouvelle_hint, aucune_partie,
        annuler_partie, pas_de_partie, ecraser_partie;

    // Variant dialog (an empty mode_m2 keeps the French label).
    std::string mode_titre, mode_m1, mode_m2, mode_m3;

    // Name entry dialog.
    std::string nom_titre, nom_bravo, nom_t1, nom_t2;
    int nom_bravo_points = 18;

    // Score table.
    std::string score_titre, score_joueur, score_bille, score_duree;
};

// The texts of an interface language; an index without a catalogue gives
// English. Defined beside the catalogues (dialogs/langue.cpp, library
// trelmo_dialogs), which read them with the toolkit.
const Textes& textes(int32_t langue);

inline constexpr const char* kNomProduit = "TRELMO 3.01";

// French labels the variant dialog starts with, whatever the language.
inline constexpr const char* kModeM1 = "Anglais (33 billes)";
inline constexpr const char* kModeM2 = "Français (37 billes)";
inline constexpr const char* kModeM3 = "Mission Impossible (44 billes)";

// Fixed texts shared by every language.
inline constexpr const char* kTitreScores = "LES 10 MEILLEURS SCORES";
inline constexpr const char* kAideIntrouvable = "Le fichier d'aide est introuvable !";
inline constexpr const char* kTexteAfficher = "Ne plus afficher cette fenêtre et ne plus lancer le site web";

} // namespace trelmo
