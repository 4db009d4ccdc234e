#include "game/textes.h"

#include <array>

namespace trelmo {

int32_t code_langue(std::string_view abreviation)
{
    std::string deux;
    for (char c : abreviation.substr(0, 2))
        deux += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (deux == "DE") return 2;
    if (deux == "ES") return 5;
    if (deux == "FR") return 3;
    if (deux == "IT") return 4;
    return 1;   // "EN" and everything else
}

int32_t langue_du_code(int32_t code)
{
    if (code == 3) return FRANCAIS;
    if (code == 2) return ALLEMAND;
    return ANGLAIS;
}

int32_t index_langue(std::string_view abreviation)
{
    return langue_du_code(code_langue(abreviation));
}

namespace {

Textes francais()
{
    Textes t;
    t.texture_plateau = "Plateau";
    t.texture_bille = "Billes";
    t.infos = "A propos";
    t.aide = "Aide";
    t.charger = "Charger";
    t.sauver = "Sauver";
    t.scores = "Scores";
    t.quitter = "Quitter";
    t.hint_texture_plateau = "Changer la texture du plateau";
    t.hint_texture_bille = "Changer la texture des billes";
    t.hint_infos = "Informations diverses";
    t.hint_aide = "Voir la documentation";
    t.hint_charger = "Charger la dernière partie";
    t.hint_sauver = "Sauver la partie en cours";
    t.hint_scores = "Liste des 10 meilleurs scores";
    t.hint_quitter = "Quitter ce logiciel";
    t.taille_boutons = 17;

    t.gagne = "VOUS AVEZ GAGNE !!";
    t.termine = "PARTIE\rTERMINEE";
    t.reposer = "Reposer\rles billes";
    t.reposer_hint = "Arrêter la partie en cours";
    t.nouvelle = "Nouvelle\rpartie";
    t.nouvelle_hint = "Commencer une nouvelle partie";
    t.aucune_partie = "Aucune partie n'a été sauvegardé";
    t.annuler_partie = "Voulez-vous annuler la partie en cour";
    t.pas_de_partie = "Les billes sont reposées";
    t.ecraser_partie = "Vous allez écraser la dernière partie sauvegardé";

    t.mode_titre = "Niveau de jeu";
    t.mode_m1 = kModeM1;
    t.mode_m2 = kModeM2;
    t.mode_m3 = kModeM3;

    t.nom_titre = "Félicitation !!";
    t.nom_bravo = "FELICITATION !!";
    t.nom_t1 = "Vous faites partie des 10 Meilleurs joueur";
    t.nom_t2 = "Entrer votre nom";
    t.nom_bravo_points = 18;

    t.score_titre = "LISTE DES SCORES";
    t.score_joueur = "Joueur";
    t.score_bille = "Billes";
    t.score_duree = "Durée";
    return t;
}

Textes anglais()
{
    Textes t;
    t.texture_plateau = "Background";
    t.texture_bille = "Marbles";
    t.infos = "About";
    t.aide = "Help";
    t.charger = "Load";
    t.sauver = "Save";
    t.scores = "Scores";
    t.quitter = "Exit";
    t.hint_texture_plateau = "Changing the texture of background";
    t.hint_texture_bille = "Changing the texture of marbles";
    t.hint_infos = "About Trelmo";
    t.hint_aide = "Show help";
    t.hint_charger = "Loading the last game";
    t.hint_sauver = "Saving this game";
    t.hint_scores = "List of the scores";
    t.hint_quitter = "Exit game";
    t.taille_boutons = 17;

    t.gagne = "CONGRATULATION !!";
    t.termine = "GAME OVER";
    t.reposer = "Stop\rGame";
    t.reposer_hint = "Stop this game";
    t.nouvelle = "New\rGame";
    t.nouvelle_hint = "Start a new game";
    t.aucune_partie = "No game saving";
    t.annuler_partie = "Do you want cancel this game";
    t.pas_de_partie = "No game";
    t.ecraser_partie = "Do you want save this game";

    t.mode_titre = "Level";
    t.mode_m1 = "traditional (33 balls)";
    t.mode_m2 = "";   // the second button keeps its French label
    t.mode_m3 = "Genius (44 balls)";

    t.nom_titre = "Congratulation !!";
    t.nom_bravo = "CONGRATULATION !!";
    t.nom_t1 = "You are in the scores list";
    t.nom_t2 = "Enter your name";
    t.nom_bravo_points = 18;

    t.score_titre = "SCORES LIST";
    t.score_joueur = "Player";
    t.score_bille = "balls";
    t.score_duree = "Time";
    return t;
}

Textes allemand()
{
    Textes t;
    t.texture_plateau = "Spielbrett";
    t.texture_bille = "Kugeln";
    t.infos = "Über";
    t.aide = "Hilfe";
    t.charger = "Laden";
    t.sauver = "Speichern";
    t.scores = "Spielstand";
    t.quitter = "Beenden";
    t.hint_texture_plateau = "Brettstruktur ändern";
    t.hint_texture_bille = "Kugelstruktur ändern";
    t.hint_infos = "Über Trelmo";
    t.hint_aide = "Siehe Hilfe";
    t.hint_charger = "Letzte Partie laden";
    t.hint_sauver = "Laufende Partie speichern";
    t.hint_scores = "Spielstandliste";
    t.hint_quitter = "";   // no hint on the exit label
    t.taille_boutons = 13;

    t.gagne = "BEGLÜCKWÜNSCHUNG !!";
    t.termine = "GAME OVER";
    t.reposer = "Partie\rbeenden";
    t.reposer_hint = "Laufende Partie beenden";
    t.nouvelle = "Neue\rPartie";
    t.nouvelle_hint = "Neue Partie anfangen";
    t.aucune_partie = "Es wurde keine Partie gespeichert";
    t.annuler_partie = "Soll die laufende Partie abgebrochen werden ?";
    t.pas_de_partie = "Im Moment läuft keine Partie";
    t.ecraser_partie = "Soll diese Partie gespeichert Werden ?";

    t.mode_titre = "Stand";
    t.mode_m1 = "traditionell (33 Kugeln)";
    t.mode_m2 = "";   // the second button keeps its French label
    t.mode_m3 = "Genie (44 Kugeln)";

    t.nom_titre = "Beglückwünschung !!";
    t.nom_bravo = "BEGLÜCKWÜNSCHUNG !!";
    t.nom_t1 = "Sie befinden sich in der Spielstandliste";
    t.nom_t2 = "Geben Sie Ihren Namen an";
    t.nom_bravo_points = 16;

    t.score_titre = "SPIELSTANDLISTE";
    t.score_joueur = "Spieler";
    t.score_bille = "Kugeln";
    t.score_duree = "Dauer";
    return t;
}

} // namespace

const Textes& textes(int32_t langue)
{
    static const std::array<Textes, 3> table{francais(), anglais(), allemand()};
    if (langue < 0 || langue > 2)
        langue = ANGLAIS;
    return table[static_cast<size_t>(langue)];
}

} // namespace trelmo
