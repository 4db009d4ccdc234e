#pragma once
// A label that draws its caption up to three times with small offsets (a top
// copy, the face and a bottom copy) for a raised or engraved look, and that
// can blink between two colour sets on its own timer.
#include <QColor>
#include "widgets/labelcliquable.h"
#include <QTimer>

namespace trelmo {

class TMagicLabel : public LabelCliquable {
    Q_OBJECT
    Q_PROPERTY(bool Blink READ blink WRITE setBlink)
    Q_PROPERTY(int BlinkSpeed READ blinkSpeed WRITE setBlinkSpeed)
    Q_PROPERTY(QColor BlinkColor READ blinkColor WRITE setBlinkColor)
    Q_PROPERTY(QColor BlinkTopColor READ blinkTopColor WRITE setBlinkTopColor)
    Q_PROPERTY(QColor BlinkBottomColor READ blinkBottomColor WRITE setBlinkBottomColor)
    Q_PROPERTY(bool BlinkTransparent READ blinkTransparent WRITE setBlinkTransparent)
    Q_PROPERTY(bool RaisedTop READ raisedTop WRITE setRaisedTop)
    Q_PROPERTY(bool RaisedBottom READ raisedBottom WRITE setRaisedBottom)
    Q_PROPERTY(QColor RaisedTopColor READ raisedTopColor WRITE setRaisedTopColor)
    Q_PROPERTY(QColor RaisedBottomColor READ raisedBottomColor WRITE setRaisedBottomColor)
    Q_PROPERTY(int RaisedTopDistance READ raisedTopDistance WRITE setRaisedTopDistance)
    Q_PROPERTY(int RaisedBottomDistance READ raisedBottomDistance WRITE setRaisedBottomDistance)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool ShowAccelChar READ showAccelChar WRITE setShowAccelChar)

public:
    static constexpr int kLongueurMax = 255;   // characters drawn at most

    explicit TMagicLabel(QWidget* parent = nullptr);
    explicit TMagicLabel(const QString& texte, QWidget* parent = nullptr);

    bool blink() const { return blink_; }
    void setBlink(bool actif);                 // starts / stops the timer, normal phase, repaints
    int blinkSpeed() const { return blinkSpeed_; }
    void setBlinkSpeed(int millisecondes);     // 0-65535; 0 never ticks
    QColor blinkColor() const { return blinkColor_; }
    void setBlinkColor(const QColor& c) { blinkColor_ = c; }
    QColor blinkTopColor() const { return blinkTopColor_; }
    void setBlinkTopColor(const QColor& c) { blinkTopColor_ = c; }
    QColor blinkBottomColor() const { return blinkBottomColor_; }
    void setBlinkBottomColor(const QColor& c) { blinkBottomColor_ = c; }
    bool blinkTransparent() const { return blinkTransparent_; }
    void setBlinkTransparent(bool b) { blinkTransparent_ = b; }

    bool raisedTop() const { return raisedTop_; }
    void setRaisedTop(bool b);
    bool raisedBottom() const { return raisedBottom_; }
    void setRaisedBottom(bool b);
    QColor raisedTopColor() const { return raisedTopColor_; }
    void setRaisedTopColor(const QColor& c);
    QColor raisedBottomColor() const { return raisedBottomColor_; }
    void setRaisedBottomColor(const QColor& c);
    int raisedTopDistance() const { return raisedTopDistance_; }
    void setRaisedTopDistance(int d);
    int raisedBottomDistance() const { return raisedBottomDistance_; }
    void setRaisedBottomDistance(int d);

    // Face colour in the normal phase (silver for a new label).
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& c);
    // An opaque label fills its rectangle with its palette's background first.
    bool transparent() const { return transparent_; }
    void setTransparent(bool b);
    // "&x" underlines x and "&&" draws one ampersand while this is on.
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool b);

    bool phaseClignotement() const { return phase_; }   // true: blink colours

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void basculer();

    QTimer timer_;
    bool blink_ = false;
    int blinkSpeed_ = 50;
    bool phase_ = false;
    bool blinkTransparent_ = true;
    QColor blinkColor_{0xFF, 0x00, 0x00};
    QColor blinkTopColor_{0xFF, 0xFF, 0xFF};
    QColor blinkBottomColor_{0x80, 0x80, 0x80};
    bool raisedTop_ = true;
    bool raisedBottom_ = true;
    QColor raisedTopColor_{0xFF, 0xFF, 0xFF};
    QColor raisedBottomColor_{0x80, 0x80, 0x80};
    int raisedTopDistance_ = 1;
    int raisedBottomDistance_ = 1;
    QColor fontColor_{0xC0, 0xC0, 0xC0};
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

// How the two labels lay out a caption: horizontal alignment from `alignement`,
// first line at the top, word wrap, tabs expanded, "\r" as a line break.
int drapeaux_texte(Qt::Alignment alignement, bool accel);
QString texte_a_dessiner(const QString& caption);
// The system's grey-text colour used by disabled labels.
QColor couleur_texte_gris();

} // namespace trelmo
