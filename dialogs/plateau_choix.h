#pragma once
// The large board of the Problems dialog, where a problem is shown or one of
// a one-hole series is chosen.
#include "dialogs/dessin_plateau.h"
#include "game/problemes.h"

#include <QWidget>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace trelmo {

// The large board of the dialog: shows a problem, or lets the player choose
// one of a one-hole series with the mouse or the keyboard (arrows move among
// the holes that can be chosen, Enter or Space chooses, Escape goes back to
// the choice of the start).
class TPlateauChoix : public QWidget {
    Q_OBJECT
public:
    TPlateauChoix(int32_t langue, QWidget* parent = nullptr);

    void setApparence(const Apparence& a) { apparence_ = a; update(); }
    void setResolus(const std::set<std::string>* ids) { resolus_ = ids; }
    void montrer(const Probleme* p);                          // one problem, nothing to choose
    void choisir(const std::vector<const Probleme*>& serie);  // a series: start, then target

    bool en_choix() const { return !serie_.empty(); }
    int depart() const { return depart_; }           // the chosen start, 0 while choosing it
    int curseur() const { return curseur_; }         // the hole the keyboard is on
    const Probleme* choisi() const { return choisi_; }
    std::vector<int> candidats() const;              // the holes that can be chosen now

signals:
    void changement();                   // what the board shows or offers changed
    void valide();                       // Enter on a chosen problem

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void leaveEvent(QEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    GeometriePlateau geometrie() const;
    const Probleme* probleme_de(int depart, int cible) const;
    std::vector<int> cibles_de(int depart) const;
    void prendre(int trou);              // chooses the hole (start or target)
    void placer_curseur(int trou);
    void decrire();                      // accessible description of the hole under the cursor

    int32_t langue_;
    Apparence apparence_;
    const std::set<std::string>* resolus_ = nullptr;
    const Probleme* montre_ = nullptr;
    std::vector<const Probleme*> serie_;
    int depart_ = 0;
    int curseur_ = 0;
    int survol_ = 0;
    const Probleme* choisi_ = nullptr;
    bool focus_clavier_ = false;
};

} // namespace trelmo
