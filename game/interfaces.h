#pragma once
// What the game core reaches outside itself. The main window implements these;
// tests implement them with recording fakes. Texts are UTF-8.
#include <cstdint>
#include <string>

namespace trelmo {

// The cursors the game gives the hole sprites: the arrow, the open hand over
// a marble that can be picked up, the moving hand over a landing hole, and
// the forbidden sign where the held marble cannot land.
enum Curseur : int {
    CUR_DEFAUT = 0,
    CUR_MAIN = 150,
    CUR_DEPLACE = 151,
    CUR_IMPOSSIBLE = 152,
};

// The 49 hole sprites and the 44 tray sprites.
class ISprites {
public:
    virtual ~ISprites() = default;
    // Hole sprite n (1-49): give it the current marble picture (bille true;
    // when there is no current picture the sprite keeps what it shows) or clear it.
    virtual void trou_image(int n, bool bille) = 0;
    // Tray sprite i (1-44): same.
    virtual void repos_image(int i, bool bille) = 0;
    // Cursor of hole sprite n.
    virtual void trou_curseur(int n, int curseur) = 0;
    // Whether hole sprite n receives pointer moves and clicks.
    virtual void trou_actif(int n, bool actif) = 0;
};

// The labels and the result overlay of the main window.
class IAffichage {
public:
    virtual ~IAffichage() = default;
    virtual void billes_repos(const std::string& texte) = 0;
    virtual void chrono(const std::string& texte) = 0;
    virtual void etat_jeux(const std::string& caption, const std::string& hint) = 0;
    virtual void resultat(bool actif, const std::string& texte) = 0;
};

// The one-second chronometer timer. The core never reads a clock: the
// window's timer calls Jeu::Timer1Timer.
class IMinuterie {
public:
    virtual ~IMinuterie() = default;
    virtual void timer1(bool actif) = 0;
};

// The settings record, the variant dialog and the top-ten insertion.
class IPartenaires {
public:
    virtual ~IPartenaires() = default;
    // The variant dialog, modal; it stores the choice itself.
    virtual void choisir_niveau() = 0;
    // Reload: read the settings file into the record.
    virtual void recharger_config() = 0;
    // Store: write the record's changes into the settings file.
    virtual void enregistrer_config() = 0;
    // `niveau` of the settings record as it is now.
    virtual int32_t niveau() const = 0;
    // insere_score: may show the name dialog; changes only the table in memory.
    virtual void insere_score(int32_t billes, const std::string& duree) = 0;
};

// What happened to the game, for those who follow it (statistics, hints,
// the screen reader). Every call comes after the change it reports.
class IObservateur {
public:
    virtual ~IObservateur() = default;
    virtual void partie_commencee() {}            // a new game or problem is on the board
    virtual void partie_arretee() {}              // the game was stopped
    virtual void partie_restauree() {}            // a saved game replaced the board
    virtual void saut_fait(int /*de*/, int /*par*/, int /*vers*/) {}   // hole numbers; a click, a key, a drag or a redo
    virtual void saut_annule(int /*de*/, int /*par*/, int /*vers*/) {}
    // A marble was picked up or put back, or a choice of hole `trou` did
    // nothing (0: the held marble put back without a hole, as Escape does).
    virtual void prise_changee(int /*trou*/) {}
    virtual void partie_finie(int32_t /*billes*/, bool /*gagnee*/) {}  // after the end-of-game processing
};

} // namespace trelmo
