#pragma once
// The name entry dialog shown when a result enters the top ten.
#include "dialogs/bouton.h"
#include "widgets/label3d.h"

#include <QDialog>
#include <QLineEdit>

#include <cstdint>

namespace trelmo {

class Reglages;

class Tsaisie_nom : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLongueurNom = 15;

    Tsaisie_nom(Reglages& reglages, int32_t langue, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    TLabel3D* bravo = nullptr;
    TLabel3D* t1 = nullptr;
    TLabel3D* t2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TPanneauDegrade* barre = nullptr;
    TBoutonArrondi* OkBtn = nullptr;

public slots:
    // Copies the entry (15 characters at most) into the player name and closes.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent*) override;

private:
    Reglages& reglages_;
    int32_t langue_;
};

// The bottom bar shared by the two score dialogs: a lowered gradient bar
// holding a raised gradient panel and the " &Ok" button on its right.
TBoutonArrondi* barre_ok(QWidget* parent, const QRect& barre, int largeurPanneau, TPanneauDegrade** barreCree);

} // namespace trelmo
