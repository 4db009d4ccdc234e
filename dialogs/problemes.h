#pragma once
// The Problems dialog: the classic problems of the three boards, each drawn
// with its start and its finishing hole, the solved ones marked with their
// best time. The one-hole series are chosen on a board: first the hole that
// starts empty, then the hole of the last marble.
#include "dialogs/bouton.h"
#include "game/problemes.h"
#include "widgets/annonce.h"
#include "widgets/label3d.h"

#include <QDialog>
#include <QListWidget>
#include <QPainter>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace trelmo {

class Statistiques;

// The look of the drawn boards: the game's skin (1-4) and marble texture (1-7).
struct Apparence {
    int plateau = 1;
    int bille = 1;
};

// Where the holes of a board stand when it is drawn in `zone`: the board's
// square of cells (7 x 7 for the English and French boards, 9 x 9 for the
// 45-hole board) centred in the zone.
class GeometriePlateau {
public:
    GeometriePlateau(int32_t niveau, const QRectF& zone);
    QPointF centre(int trou) const;
    qreal pas() const { return pas_; }
    QPointF origine() const { return origine_; }   // top left corner of the first cell
    int trou_en(const QPointF& point) const;   // the hole under the point, 0 when none
    int32_t niveau() const { return niveau_; }

private:
    int32_t niveau_;
    int premiere_;   // grid column and row of the first cell drawn
    QPointF origine_;
    qreal pas_;
};

// Draws a board in the game's look: the wood, the holes, the marbles and a
// gold ring on the finishing hole (`cible` 0: none).
void dessiner_plateau(QPainter& p, const GeometriePlateau& g, std::uint64_t billes, int cible, const Apparence& a);

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

class TProblemes : public QDialog {
    Q_OBJECT
public:
    TProblemes(int32_t langue, const Statistiques& stats, QWidget* parent = nullptr);

    // The problem the player chose, once exec() has answered Accepted.
    const Probleme* choisi() const { return choisi_; }
    void setApparence(const Apparence& a);

    QListWidget* liste = nullptr;
    TPlateauChoix* plateau = nullptr;
    TLabel3D* nom = nullptr;
    QLabel* detail = nullptr;
    QLabel* etat = nullptr;
    TBoutonArrondi* jouer = nullptr;
    TBoutonArrondi* annuler = nullptr;
    // Speaks what the board offers as the keyboard moves and chooses on it.
    TAnnonce* annonce = nullptr;

    // Roles of the list's rows.
    enum Role { RoleGenre = Qt::UserRole, RoleIndex, RoleResolu };
    enum Genre { Titre, UnProbleme, UneSerie };

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void remplir();
    void marquer();      // the solved marks and the texts of the rows
    void ligne_courante();
    void actualiser();
    void lancer();

    int32_t langue_;
    const Statistiques& stats_;
    std::set<std::string> resolus_;
    std::vector<std::vector<const Probleme*>> series_;
    Apparence apparence_;
    const Probleme* courant_ = nullptr;
    const Probleme* choisi_ = nullptr;
};

} // namespace trelmo
