#pragma once
// A fully rounded button filled with a white-to-grey gradient, with a thin
// bevel, a raised or shadowed caption, an optional picture, and a caption
// colour that changes while the pointer is over it.
#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

#include <functional>

namespace trelmo {

class TBoutonArrondi : public QAbstractButton {
    Q_OBJECT
public:
    enum class Relief {
        Releve,   // white light edge up-left and a dark shadow down-right
        Ombre,    // a light shadow down-right only
    };

    explicit TBoutonArrondi(QWidget* parent = nullptr);

    void setCouleurTexte(const QColor& c) { couleurTexte_ = c; update(); }
    QColor couleurTexte() const { return couleurTexte_; }
    void setCouleurSurvol(const QColor& c) { couleurSurvol_ = c; update(); }   // invalid: no change
    void setCouleurOmbre(const QColor& c) { couleurOmbre_ = c; update(); }
    void setRelief(Relief r) { relief_ = r; update(); }
    // The picture beside the caption, drawn at its size in window pixels
    // (a picture for a high-resolution screen carries its device pixel ratio).
    void setImage(const QPixmap& p) { image_ = p; update(); }
    // The picture drawn for the screen's device pixel ratio, taken again
    // when the window goes to a screen of another ratio.
    void setImagePourEcran(std::function<QPixmap(qreal)> image);
    const QPixmap& image() const { return image_; }
    bool survole() const { return survol_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    int largeur_image() const;   // in window pixels

    bool focus_clavier_ = false;
    QColor couleurTexte_{0xC9, 0xC9, 0xC9};
    QColor couleurSurvol_{0x00, 0x00, 0x80};
    QColor couleurOmbre_{0x8C, 0x8C, 0x8C};
    Relief relief_ = Relief::Releve;
    QPixmap image_;
    std::function<QPixmap(qreal)> source_;
    bool survol_ = false;
};

// A panel filled with the same white-to-grey gradient; `enfonce` draws a
// lowered single border, otherwise a raised one.
class TPanneauDegrade : public QWidget {
    Q_OBJECT
public:
    explicit TPanneauDegrade(bool enfonce, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool enfonce_;
};

// A picture that reports clicks, from the mouse or from Space and Enter once
// it has the focus (Tab reaches it).
class TImageCliquable : public QWidget {
    Q_OBJECT
public:
    explicit TImageCliquable(QWidget* parent = nullptr);
    void setImage(const QPixmap& p);   // resizes the control to the picture
    // The same with the picture drawn for the screen's device pixel ratio,
    // taken again when the window goes to a screen of another ratio.
    void setImagePourEcran(std::function<QPixmap(qreal)> image);
    const QPixmap& image() const { return image_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    QPixmap image_;
    std::function<QPixmap(qreal)> source_;
    bool appui_ = false;
    bool focus_clavier_ = false;
};

inline constexpr QRgb kGrisDegrade = 0xB1B1B1;

} // namespace trelmo
