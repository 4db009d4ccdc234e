#pragma once
// The state of play and its operations: board model, move protocol, board
// display and game lifecycle. Plain C++; the main window owns one Jeu.
#include "grille.h"
#include "historique.h"
#include "interfaces.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trelmo {

// Texts the game shows later, filled in the interface language when the main
// window is first shown. French until then.
struct TextesJeu {
    std::string gagne = "VOUS AVEZ GAGNE !!";
    std::string termine = "PARTIE\rTERMINEE";
    std::string reposer = "Reposer\rles billes";
    std::string reposer_hint = "Arrêter la partie en cours";
    std::string nouvelle = "Nouvelle\rpartie";
    std::string nouvelle_hint = "Commencer une nouvelle partie";
};

class Jeu {
public:
    Jeu(ISprites& sprites, IAffichage& affichage, IMinuterie& minuterie, IPartenaires& partenaires);

    // --- board model
    Grille grille;
    int32_t nb_repos = kNbRepos;
    int32_t nb_mobiles = 0;

    // --- move protocol
    int32_t trou_courant = 0;
    int32_t col_courante = 0;
    int32_t lig_courante = 0;
    bool bille_prise = false;
    int32_t col_prise = 0;
    int32_t lig_prise = 0;
    bool coup_permis = false;

    // --- lifecycle
    bool pas_de_partie = true;
    int32_t heures = 0;
    int32_t minutes = 0;
    int32_t secondes = 0;
    bool fin_traitee = false;          // end-of-game processing done for this game
    std::string texte_chrono = "00:00:00"; // what `chrono` shows

    // --- display marks: 1-49 hole sprites, 50-93 tray sprites 1-44; index 0 unused.
    std::array<int32_t, 1 + kNbTrous + kNbRepos> marques{};

    TextesJeu textes;

    // --- beyond the two-click protocol
    Historique historique;             // undo and redo within the game on the board
    IObservateur* observateur = nullptr;
    bool probleme = false;             // the game is a problem: it does not enter the top ten
    int32_t cible = 0;                 // hole the last marble must stand on to win (0: any)

    // Board model
    void reset_plateau();       // for partenaires.niveau()
    void reset_plateau(int32_t niveau);
    void etat_plateau();
    // Enables exactly the hole sprites of board `niveau` (1-3), as the reset does.
    void activer_trous(int32_t niveau);
    // The board a grid was played on, told by its barred directions (they never
    // change during a game): 1, 2 or 3, or 0 when the grid matches none.
    static int32_t niveau_de_grille(const Grille& g);
    // After a restore, once the grid is replaced: enables the holes of the
    // board the grid describes (a grid that matches no board leaves the sprites
    // as they are), drops the undo history and the problem of the previous
    // game, and tells the observer. Answers the board (or 0).
    int32_t adopter_plateau_de_grille();

    // Board display
    void place_bille_plateau();
    void retire_bille_plateau();
    void jeux_repos(int32_t count);
    void marquer_tout_perime(); // every display mark := -1

    // Move protocol
    void coordonnees(int trou, int col, int lig);
    void pmove(int trou);       // pointer over hole sprite `trou`: its own cell
    void test_etat();
    void deplacement();
    void annuler_prise();       // cancel a pending pick
    void reposer_bille();       // a held marble is put back (Escape); nothing when none is held

    // Undo and redo: offered while a game is in progress and not over. A held
    // marble is put back first. The chronometer is not touched.
    bool peut_annuler() const;
    bool peut_refaire() const;
    bool annuler();
    bool refaire();
    // The holes where the held marble may land (none when no marble is held).
    std::vector<int> atterrissages() const;
    // Whether the marble on hole `de` may jump onto hole `vers` now.
    bool saut_permis(int de, int vers) const;
    // Whether the game is won as it stands: one marble left, on the target if any.
    bool gagnee() const;

    // Lifecycle
    void demarrage();           // start-up state, last steps of the window's construction
    void etat_jeuxClick();
    // Starts a game from a given position of a board, like a new game of that
    // board: bit n-1 of `billes` puts a marble in hole n; `cible_probleme` 0 or a hole.
    void commencer_probleme(int32_t niveau, std::uint64_t billes, int32_t cible_probleme);
    void fin_de_partie();       // end-of-game processing (at most once per game)
    void affiche_score();
    void Timer1Timer();
    static std::string remplir_zeros(int32_t valeur, int32_t largeur);

private:
    // The jump itself: three cells of the grid, the board refresh, the tray
    // count, the tray and the label.
    void sauter(const Coup& c);
    void curseurs_au_repos();   // every hole sprite's cursor back to the arrow
    void relacher();            // no marble held, cursors at rest

public:

    ISprites& sprites;
    IAffichage& affichage;
    IMinuterie& minuterie;
    IPartenaires& partenaires;
};

} // namespace trelmo
