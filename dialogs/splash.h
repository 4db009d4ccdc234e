#pragma once
// The splash window shown while the program's windows are built: the gold
// product name, a credit line and a progress gauge.
#include "widgets/label3d.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace trelmo {

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

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
