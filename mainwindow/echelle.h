#pragma once
// The size of the main window. The whole layout, 640 x 462 at its own size,
// is drawn at a scale: the player's "Size" choice (100 %, 125 %, 150 %,
// 200 % or fit the screen, remembered in trelmo.ini), or whatever fits the
// window when the window manager, full screen or a resize request makes it
// larger. The layout keeps its proportions and sits in the middle of a
// neutral surround.
//
// The scale is Qt's own high-DPI scale of the window's screen, so that
// widgets, fonts, clicks, cursors, balloons, dialogs and the accessibility
// rectangles all follow it, and pictures made for the window's device pixel
// ratio are drawn at the resolution it ends up with. At a scale of 1 and the
// window at its own size nothing differs from a fixed 640 x 462 window.
#include <QObject>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <functional>
#include <string>

class QAction;
class QActionGroup;
class QScreen;
class QWidget;

namespace trelmo {

class Echelle : public QObject {
    Q_OBJECT
public:
    // The choices of the "Size" menu, in percent; 0 fits the screen.
    static constexpr int kAjuster = 0;
    static constexpr int kTailles[] = {100, 125, 150, 200, kAjuster};

    // Sets the remembered scale on every screen before any window shows, so
    // that the splash and the dialogs come at that scale too.
    static void appliquer_au_demarrage(const std::string& chemin_ini);

    // fenetre: the main window, whose direct children make the layout;
    // chemin_ini: where the choice is remembered.
    Echelle(QWidget* fenetre, QSize base, std::string chemin_ini);

    // Run before each of the commands (a drag in progress is ended).
    std::function<void()> avant_commande;

    double facteur() const { return facteur_; }   // the window's scale, 1 at its own size
    QPoint decalage() const { return decalage_; } // where the layout's top-left corner sits
    int choix() const { return choix_; }          // the "Size" choice, in percent or kAjuster

    // The "Size" choices and "Full screen" (F11), added to the window's commands.
    void creer_commandes(int32_t langue);

    // The player's choice: the window at that scale of its own size, or as
    // large as the screen's free area allows.
    void choisir(int pourcent);
    void basculer_plein_ecran();

    // The window was given a new size (by the window manager, full screen,
    // a resize request): the scale that makes the layout fit it.
    void redimensionnee();

signals:
    void change();   // the scale or the layout's place changed

private:
    void appliquer(double facteur, QSize physique, bool demander = true);
    void a_sa_taille(double facteur);   // the window at the layout's size for that scale
    void placer();

    QWidget* fenetre_;
    QSize base_;
    double facteur_ = 1.0;
    double avant_plein_ecran_ = 1.0;
    QPoint decalage_;
    int choix_ = 100;
    std::string chemin_ini_;
    bool en_cours_ = false;
    QActionGroup* groupe_ = nullptr;
    QAction* plein_ecran_ = nullptr;
};

// The remembered choice, a percentage of kTailles ("taille" under
// [Propriétés]); 100 when missing or unknown.
int taille_enregistree(const std::string& chemin_ini);

} // namespace trelmo
