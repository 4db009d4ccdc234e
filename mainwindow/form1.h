#pragma once
// The main window: the board, the tray, the buttons and the result overlay.
// It owns the game state and implements what the game core calls out through.
#include "game/interfaces.h"
#include "game/jeu.h"
#include "mainwindow/accessibilite.h"
#include "mainwindow/commandes_partie.h"
#include "mainwindow/partenaires.h"
#include "mainwindow/peaux.h"
#include "mainwindow/sprites_plateau.h"
#include "storage/config.h"
#include "storage/partie.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace trelmo {

class Echelle;
class LabelCliquable;
class Sprite;
class TConseil;
class Statistiques;
class TCalque;
class TReprise;
class TEditeurFenetre;
class TLabel3D;
class THintDesign;
class TFreewareMsg;
class Tmode;
class Tsaisie_nom;
class Tmeilleur_score;

class TForm1 : public QWidget,
               public IAffichage,
               public IObservateur,
               public ISourceAccessible {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window by the start-up sequence.
    void setDialogues(TFreewareMsg* freeware, Tmode* mode, Tsaisie_nom* saisie_nom, Tmeilleur_score* meilleur_score);

    // Program-wide values.
    const std::string& repertoire() const { return repertoire_; }
    const std::string& chemin_aide() const { return chemin_aide_; }
    int32_t langue() const { return langue_; }
    Reglages& reglages() { return reglages_; }
    Jeu& jeu() { return jeu_; }

    // Controls, reachable for tests.
    Sprite* trou(int n) const { return sprites_.trous[static_cast<size_t>(n)]; }
    Sprite* repos(int i) const { return sprites_.repos[static_cast<size_t>(i)]; }
    QLabel* resultat_label() const { return resultat_; }
    QLabel* label(const char* nom) const;
    QTimer* timer1() const { return Timer1_; }
    // Skin slot 1-4, decoded on first use; null when its file cannot be read.
    const QPixmap& skin(int slot) const { return peaux_.skin(slot); }
    TCalque* calque() const { return calque_; }
    TConseil* conseil() const { return indice_.conseil; }
    const QString& dernier_indice() const { return indice_.dernier; }
    TAnnonce* annonce() const { return annonce_; }
    QMenu* menu() const;       // the context menu, made on first use
    QAction* action(const char* nom) const;
    bool reperes() const { return commandes_.reperes_actifs; }
    Echelle* echelle() const { return echelle_; }   // the window's size and scale
    // How a warning about the files reaches the player (a message box;
    // tests replace it). Warnings that come before the window shows wait for it.
    static std::function<void(const QString&)>& afficheur_avertissement();
    // The game in progress kept in its own file as the program ends.
    void garder_partie();
    TReprise& reprise();
    TEditeurFenetre& editeur();   // the player's problems: editor, text, list

    // Event handlers.
    void etat_jeuxClick();
    void chargerClick();
    void sauverClick();
    void scoresClick();
    void infosClick();
    void aideClick();
    void quitterClick();
    void lien_siteClick();
    void texture_plateauClick();
    void texture_billeClick();
    void Timer1Timer();
    void survolTrou(int n);
    void clicTrou(int n);
    // Commands of the context menu.
    void annulerClick();
    void refaireClick();
    void reperesClick(bool actif);
    void indiceClick();
    void problemesClick();
    void statistiquesClick();
    // Starts a problem of the catalogue, as a new game of its board.
    void commencer_probleme(const std::string& id);
    // The statistics, read from their file on first use.
    Statistiques& statistiques();
    const std::string& probleme_courant() const { return suivi_.probleme_id; }
    // Drag and drop of a marble.
    void glisserDebut(Sprite* source, QPoint global);
    void glisserVers(QPoint global);
    void glisserFin(QPoint global);
    // Ends a drag that a command or the loss of the pointer cut short: the
    // marble back in its hole, the pictures and the cursor as they should be.
    void abandonner_glisse();

    // IAffichage
    void billes_repos(const std::string& texte) override;
    void chrono(const std::string& texte) override;
    void etat_jeux(const std::string& caption, const std::string& hint) override;
    void resultat(bool actif, const std::string& texte) override;
    // IObservateur
    void partie_commencee() override;
    void partie_arretee() override;
    void partie_restauree() override;
    void saut_fait(int de, int par, int vers) override;
    void saut_annule(int de, int par, int vers) override;
    void prise_changee(int trou) override;
    void partie_finie(int32_t billes, bool gagnee) override;
    // ISourceAccessible
    bool trou_expose(int n) const override;
    QString nom_trou(int n) const override;
    QString nom_plateau() const override;
    int trou_focus() const override;
    void activer_trou(int n) override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormShow();
    void FormCloseQuery();     // the about box's last word and its setting
    void appliquer_skin();
    void suivre_ratio();             // the pictures again for a new device pixel ratio
    void redessiner_textures();
    LabelCliquable* creer_label(const char* nom, QRect r, const QString& famille, int px, QColor couleur,
                        void (TForm1::*clic)());
    // Beyond the two-click protocol.
    void creer_commandes();
    void mettre_a_jour_commandes();
    void apres_changement();         // marks, screen reader, commands after any change of the game
    void marquer_prise();            // the ring of the held marble, when it shows
    void annoncer_prise(int ici);    // a marble picked up, put back, or that cannot jump, spoken
    // Where the hint's balloon hides none of the window's controls.
    bool bulle_libre(const QRect& global) const;
    std::vector<int> atterrissages() const;   // the landing holes to mark now
    void fleche(int direction);      // the keyboard cursor, one hole in a direction
    void montrer_curseur_clavier(bool visible);
    void afficher_resultat(const QString& texte);
    void avertir(const QString& texte);
    void preferences_au_demarrage();  // the landing marks and, once per user, the tip
    void montrer_astuce(int delai);
    void relancer_conseil();
    void montrer_indice();
    void indice_montre();            // counted in the statistics
    std::string cle_partie() const;  // the statistics' key of the game on the board
    void enregistrer_statistiques();
    void noter_probleme_sauve(quint64 avant);   // after a save: which problem the saved game is
    void retrouver_probleme();       // after a restore: the problem the saved game was
    bool indice_possible() const;
    void appliquer_pixmap_plateau(int skin);

    int32_t langue_ = 1;
    std::string repertoire_;
    std::string chemin_aide_;
    Reglages reglages_;
    SauvegardePartie sauvegarde_;
    Peaux peaux_;                     // skins and marble pictures
    SpritesPlateau sprites_;          // the hole and tray sprites
    TextesPartie textes_partie_;
    PartenairesFenetre partenaires_;
    Minuterie minuterie_;
    BoitesMessages messages_;
    Jeu jeu_;

    QLabel* plateau_ = nullptr;
    QWidget* Shape1_ = nullptr;
    LabelCliquable* billes_repos_ = nullptr;
    LabelCliquable* etat_jeux_ = nullptr;
    LabelCliquable* sauver_ = nullptr;
    LabelCliquable* scores_ = nullptr;
    LabelCliquable* chrono_ = nullptr;
    LabelCliquable* infos_ = nullptr;
    LabelCliquable* aide_ = nullptr;
    LabelCliquable* quitter_ = nullptr;
    LabelCliquable* texture_bille_ = nullptr;
    TLabel3D* charger_ = nullptr;
    LabelCliquable* texture_plateau_ = nullptr;
    LabelCliquable* lien_site_ = nullptr;
    QLabel* resultat_ = nullptr;
    QTimer* Timer1_ = nullptr;
    THintDesign* HintDesign1_ = nullptr;

    bool premier_affichage_ = true;

    TCalque* calque_ = nullptr;
    Echelle* echelle_ = nullptr;
    TAnnonce* annonce_ = nullptr;
    QStringList avertissements_;      // waiting for the window to show

    friend class TReprise;
    TReprise* reprise_ = nullptr;     // made on first use
    friend class TEditeurFenetre;
    TEditeurFenetre* editeur_ = nullptr;
    // The state of each job, owned by the window.
    struct Commandes {                // the context menu's commands
        mutable QMenu* menu = nullptr;    // made on first use
        QAction* annuler = nullptr;
        QAction* refaire = nullptr;
        QAction* reperes = nullptr;
        QAction* indice = nullptr;
        bool reperes_actifs = false;      // landing holes marked while a marble is held
    };
    struct Indice {                   // the hint
        TConseil* conseil = nullptr;      // the solver's worker, from the first game on
        bool attendu = false;             // asked for before the answer came
        QString dernier;                  // the text of the last balloon
    };
    struct Suivi {                    // the tracking of games
        std::string probleme_id;          // the problem on the board, "" for a standard start
        std::unique_ptr<Statistiques> stats;
        bool ecriture_signalee = false;   // a failed write of the statistics told once
        bool restauree = false;           // a saved game has just replaced the board
    };
    struct CurseurClavier {           // the keyboard cursor
        int trou = 25;                    // where it is, shown or not
        bool visible = false;
    };
    struct Glisse {                   // a marble dragged
        Sprite* de = nullptr;             // the hole it is dragged from
        QLabel* image = nullptr;          // the marble under the pointer
        QPoint prise;                     // where it was taken, in its picture
    };
    struct Dit {                      // what the screen reader was told of the held marble
        int prise = 0;                    // its hole as last spoken, 0 for none
        bool par_clavier = false;         // the choice being handled comes from the keyboard
        bool prise_clavier = false;       // the held marble was picked up with the keyboard
    };
    Commandes commandes_;
    Indice indice_;
    Suivi suivi_;
    CurseurClavier clavier_;
    Glisse glisse_;
    Dit dit_;

    TFreewareMsg* FreewareMsg_ = nullptr;
    Tmeilleur_score* meilleur_score_ = nullptr;
};

} // namespace trelmo
