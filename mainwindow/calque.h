#pragma once
// A transparent layer over the sprites of the main window that draws the
// marks added to the board: the keyboard cursor, the held marble, the holes
// where it may land, the hinted jump, and the focus of a button reached with
// Tab. It never takes the pointer; it takes the keyboard for the board.
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

namespace trelmo {

class TCalque : public QWidget {
    Q_OBJECT
public:
    explicit TCalque(QWidget* parent);

    // Top-left corner of hole sprite n (1-49); set once by the window.
    void setPlaceTrou(int n, QPoint coin);
    QRect rectTrou(int n) const;               // the hole's sprite rectangle

    void setSkin(int skin);                    // 1-4: the marks take the board's colours

    void setCurseur(int trou);                 // the keyboard cursor's hole; 0 hides it
    int curseur() const { return curseur_; }
    void setAtterrissages(const std::vector<int>& trous);   // empty: none
    void setPrise(int trou);                   // the held marble's hole; 0 for none
    int prise() const { return prise_; }
    const std::vector<int>& atterrissages() const { return atterrissages_; }
    // Marks a jump for about two seconds; `de` 0 clears it.
    void montrerSaut(int de, int vers);
    bool sautMontre() const { return saut_de_ != 0; }
    void setFocusBouton(const QRect& r);       // an empty rectangle hides it

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointF centre(int trou) const;
    void rafraichir(int trou);
    QRect rectSaut() const;

    std::array<QPoint, 50> places_{};
    int skin_ = 1;
    int curseur_ = 0;
    std::vector<int> atterrissages_;
    int prise_ = 0;
    int saut_de_ = 0, saut_vers_ = 0;
    int phase_ = 0;                            // of the hint's pulse
    QTimer pouls_;
    QRect focus_;
};

} // namespace trelmo
