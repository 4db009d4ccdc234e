#pragma once
// The table of the ten best results, re-read from the settings file each
// time it is shown.
#include "dialogs/bouton.h"
#include "widgets/label3d.h"
#include "widgets/liste_lue.h"

#include <QDialog>
#include <QLabel>

#include <array>
#include <cstdint>

namespace trelmo {

class Reglages;

class Tmeilleur_score : public QDialog {
    Q_OBJECT
public:
    static constexpr std::array<int, 10> kHautLignes{90, 112, 134, 156, 178, 200, 222, 244, 268, 290};

    Tmeilleur_score(Reglages& reglages, int32_t langue, QWidget* parent = nullptr);

    QWidget* Panel1 = nullptr;
    TLabel3D* titre = nullptr;
    TLabel3D* joueur = nullptr;
    TLabel3D* bille = nullptr;
    TLabel3D* duree = nullptr;
    std::array<QLabel*, 10> n{};   // n[0] is n1 ... n[9] is n10
    std::array<QLabel*, 10> b{};
    std::array<QLabel*, 10> d{};
    TPanneauDegrade* barre = nullptr;
    TBoutonArrondi* OkBtn = nullptr;
    // The ten rows as one list for the keyboard and screen readers (after OK with Tab).
    TListeLue* table = nullptr;

public slots:
    void BitBtn1Click();
    // Reloads the settings file and fills the ten rows; on failure the error
    // is shown and the rows keep what they showed.
    void FormActivate();

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    Reglages& reglages_;
    int32_t langue_;
};

} // namespace trelmo
