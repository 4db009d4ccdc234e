#pragma once
// The splash window shown while the program's windows are built: the gold
// product name, a credit line and a progress gauge.
#include "dialogs/langue.h"
#include "widgets/label3d.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include <cstdint>

namespace trelmo {

// The gauge: a progress bar with the splash's plain look.
class TJauge : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent*) override;
};

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    // The splash exists before the main window has read the language, so it
    // asks the system itself unless told (0 French, 1 English, 2 German).
    explicit TSplashForm(QWidget* parent = nullptr, int32_t langue = langue_systeme());

    // The credit line under the product name in a language; any index other
    // than 1 or 2 gives the French line.
    static QString texte_credit(int32_t langue);

    QProgressBar* barre() const { return barre_; }
    // Sets the gauge's progress, clamped to its minimum and maximum; the
    // gauge repaints at once when its percentage changes.
    void setProgression(int n);
    TLabel3D* credit() const { return credit_; }
    QLabel* Image1() const { return image_; }

protected:
    void showEvent(QShowEvent*) override;

private:
    QWidget* panel1_ = nullptr;
    QLabel* image_ = nullptr;
    TLabel3D* credit_ = nullptr;
    QProgressBar* barre_ = nullptr;
};

} // namespace trelmo
