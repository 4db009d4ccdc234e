#pragma once
// The variant dialog: three stacked buttons, one per board.
#include "dialogs/bouton.h"

#include <QDialog>

#include <cstdint>

namespace trelmo {

class Reglages;

class Tmode : public QDialog {
    Q_OBJECT
public:
    Tmode(Reglages& reglages, int32_t langue, QWidget* parent = nullptr);

    TBoutonArrondi* m1 = nullptr;   // English board
    TBoutonArrondi* m2 = nullptr;   // French board
    TBoutonArrondi* m3 = nullptr;   // "Mission Impossible"

public slots:
    void m1Click();
    void m2Click();
    void m3Click();

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void choisir(int32_t niveau);

    Reglages& reglages_;
    int32_t langue_;
};

} // namespace trelmo
