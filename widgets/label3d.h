#pragma once
// A label with a drop shadow: the caption is drawn first in the shadow colour
// one pixel right and down, then in the face colour in its place.
#include <QColor>
#include "widgets/labelcliquable.h"

namespace trelmo {

class TLabel3D : public LabelCliquable {
    Q_OBJECT
    Q_PROPERTY(QColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool ShowAccelChar READ showAccelChar WRITE setShowAccelChar)

public:
    explicit TLabel3D(QWidget* parent = nullptr);   // 66 x 18, button-highlight shadow
    explicit TLabel3D(const QString& texte, QWidget* parent = nullptr);

    QColor shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& c);            // repaints only when the colour changes

    // Face colour; an invalid colour (the default) means the palette's text colour.
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& c);
    bool transparent() const { return transparent_; }
    void setTransparent(bool b);
    bool showAccelChar() const { return showAccelChar_; }
    void setShowAccelChar(bool b);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor shadowColor_;
    QColor fontColor_;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

} // namespace trelmo
