#include "widgets/magiclabel.h"

#include <QPen>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace trelmo {

int drapeaux_texte(Qt::Alignment alignement, bool accel)
{
    Qt::Alignment h = alignement & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        h = Qt::AlignLeft;
    if (h == Qt::Alignment())
        h = Qt::AlignLeft;
    int f = static_cast<int>(h) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
    if (accel)
        f |= Qt::TextShowMnemonic;
    return f;
}

QString texte_a_dessiner(const QString& caption)
{
    QString t = caption.left(TMagicLabel::kLongueurMax);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QColor couleur_texte_gris()
{
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

TMagicLabel::TMagicLabel(QWidget* parent) : LabelCliquable(parent)
{
    timer_.setInterval(blinkSpeed_);
    connect(&timer_, &QTimer::timeout, this, &TMagicLabel::basculer);
    resize(95, 20);
}

TMagicLabel::TMagicLabel(const QString& texte, QWidget* parent) : TMagicLabel(parent)
{
    setText(texte);
}

void TMagicLabel::setBlink(bool actif)
{
    blink_ = actif;
    if (actif && blinkSpeed_ > 0)
        timer_.start(blinkSpeed_);
    else
        timer_.stop();
    phase_ = false;
    repaint();
}

void TMagicLabel::setBlinkSpeed(int millisecondes)
{
    blinkSpeed_ = std::clamp(millisecondes, 0, 65535);
    if (blinkSpeed_ > 0) {
        timer_.setInterval(blinkSpeed_);
        if (blink_ && !timer_.isActive())
            timer_.start();
    } else {
        timer_.stop();   // a zero period would tick without pause
    }
}

void TMagicLabel::setRaisedTop(bool b) { raisedTop_ = b; repaint(); }
void TMagicLabel::setRaisedBottom(bool b) { raisedBottom_ = b; repaint(); }
void TMagicLabel::setRaisedTopColor(const QColor& c) { raisedTopColor_ = c; repaint(); }
void TMagicLabel::setRaisedBottomColor(const QColor& c) { raisedBottomColor_ = c; repaint(); }
void TMagicLabel::setRaisedTopDistance(int d) { raisedTopDistance_ = d; repaint(); }
void TMagicLabel::setRaisedBottomDistance(int d) { raisedBottomDistance_ = d; repaint(); }
void TMagicLabel::setFontColor(const QColor& c) { fontColor_ = c; update(); }
void TMagicLabel::setTransparent(bool b) { transparent_ = b; update(); }
void TMagicLabel::setShowAccelChar(bool b) { showAccelChar_ = b; update(); }

void TMagicLabel::basculer()
{
    phase_ = !phase_;
    repaint();
}

void TMagicLabel::paintEvent(QPaintEvent*)
{
    QString texte;
    QColor face, haut, bas;
    if (phase_) {
        if (!blinkTransparent_)
            texte = texte_a_dessiner(text());
        face = blinkColor_;
        haut = blinkTopColor_;
        bas = blinkBottomColor_;
    } else {
        texte = texte_a_dessiner(text());
        face = fontColor_;
        haut = raisedTopColor_;
        bas = raisedBottomColor_;
    }
    if (!isEnabled())
        face = haut = bas = couleur_texte_gris();

    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), palette().color(backgroundRole()));
    if (texte.isEmpty())
        return;
    p.setFont(font());
    const int flags = drapeaux_texte(alignment(), showAccelChar_);
    const int w = width();
    const int h = height();
    const int b = raisedBottom_ ? raisedBottomDistance_ : 0;
    const int t = raisedTop_ ? raisedTopDistance_ : 0;
    // Rectangles given by their edges (left, top, right, bottom).
    auto dessiner = [&](const QColor& c, int l, int tp, int r, int bt) {
        p.setPen(c);
        p.drawText(QRect(l, tp, r - l, bt - tp), flags, texte);
    };
    if (raisedBottom_)
        dessiner(bas, t + b, t + b, w, h);
    if (raisedTop_)
        dessiner(haut, 0, 0, w - t - b, h - t - b);
    dessiner(face, t, t, w - b, h - b);
    if (focusClavier()) {
        p.setPen(QPen(face, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace trelmo
