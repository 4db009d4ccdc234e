#pragma once
// The about window: the product name (a link to the web site), a "Cliquez
// ici" picture that closes it and the check box that silences it at exit.
#include "dialogs/bouton.h"
#include "widgets/magiclabel.h"

#include <QCheckBox>
#include <QDialog>

namespace trelmo {

class TFreewareMsg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLongueurNom = 255;

    explicit TFreewareMsg(QWidget* parent = nullptr);

    // Product name, copied into Lab_SoftName each time the window is shown.
    QString softName() const { return softName_; }
    void setSoftName(const QString& nom);   // cut after 255 characters

    // Ticked: neither this window nor the web site is offered at exit.
    bool afficher() const { return afficher_->isChecked(); }
    void setAfficher(bool coche) { afficher_->setChecked(coche); }

    QWidget* Shape54 = nullptr;
    TImageCliquable* tf2 = nullptr;
    TMagicLabel* Lab_SoftName = nullptr;
    QCheckBox* afficher_ = nullptr;   // the `afficher` check box

public slots:
    void tf2Click();
    void BmpAnime2Click();

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QString softName_;
};

} // namespace trelmo
