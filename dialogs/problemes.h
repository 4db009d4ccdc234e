#pragma once
// The Problems dialog: the classic problems of the three boards, each drawn
// with its start and its finishing hole, the solved ones marked with their
// best time. The one-hole series are chosen on a board: first the hole that
// starts empty, then the hole of the last marble.
#include "dialogs/bouton.h"
#include "dialogs/dessin_plateau.h"
#include "dialogs/plateau_choix.h"
#include "game/problemes.h"
#include "widgets/annonce.h"
#include "widgets/label3d.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace trelmo {

class Statistiques;

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
