#include "dialogs/bouton.h"

#include "dialogs/commun.h"

#include "resources/ressources.h"
#include "widgets/labelcliquable.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

namespace trelmo {

namespace {

QLinearGradient degrade(const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(1.0, QColor(kGrisDegrade));
    return g;
}

} // namespace

TBoutonArrondi::TBoutonArrondi(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    // Tab reaches the button; a mouse click does not take the focus.
    setFocusPolicy(Qt::TabFocus);
}

void TBoutonArrondi::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void TBoutonArrondi::focusInEvent(QFocusEvent* e)
{
    focus_clavier_ = raison_clavier(e->reason());
    QAbstractButton::focusInEvent(e);
    update();
}

void TBoutonArrondi::focusOutEvent(QFocusEvent* e)
{
    focus_clavier_ = false;
    QAbstractButton::focusOutEvent(e);
    update();
}

namespace {

// Whether a picture taken for the screen's ratio is to be taken again: the
// window is now on a screen that wants another one.
bool a_reprendre(const QPixmap& image, const QWidget* w)
{
    return image.devicePixelRatio() != echelle_art(w->devicePixelRatioF());
}

} // namespace

void TBoutonArrondi::setImagePourEcran(std::function<QPixmap(qreal)> image)
{
    source_ = std::move(image);
    setImage(source_ ? source_(devicePixelRatioF()) : QPixmap());
}

int TBoutonArrondi::largeur_image() const
{
    return qRound(image_.deviceIndependentSize().width());
}

QSize TBoutonArrondi::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + height() + (image_.isNull() ? 0 : largeur_image() + 6), fm.height() + 8};
}

void TBoutonArrondi::enterEvent(QEnterEvent* e)
{
    survol_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void TBoutonArrondi::leaveEvent(QEvent* e)
{
    survol_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void TBoutonArrondi::paintEvent(QPaintEvent*)
{
    if (source_ && a_reprendre(image_, this))
        image_ = source_(devicePixelRatioF());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal rayon = r.height() / 2.0;
    QPainterPath forme;
    forme.addRoundedRect(r, rayon, rayon);

    // Body: the gradient, turned upside down while pressed.
    QLinearGradient g = degrade(r);
    if (isDown()) {
        g.setColorAt(0.0, QColor(kGrisDegrade));
        g.setColorAt(1.0, Qt::white);
    }
    p.fillPath(forme, g);

    // Thin bevel: a light upper edge and a darker lower edge.
    QLinearGradient biseau(r.topLeft(), r.bottomLeft());
    biseau.setColorAt(0.0, isDown() ? QColor(0x80, 0x80, 0x80) : QColor(0xFF, 0xFF, 0xFF));
    biseau.setColorAt(0.5, QColor(0xC8, 0xC8, 0xC8));
    biseau.setColorAt(1.0, isDown() ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x70, 0x70, 0x70));
    p.setPen(QPen(QBrush(biseau), 1.0));
    p.drawPath(forme);

    // Picture then caption, centred together.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QString brut = text();
    QString visible = brut;
    visible.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    // Keep the caption clear of the rounded ends.
    const int place = width() - height() - (image_.isNull() ? 0 : largeur_image() + 4);
    const QFont f = police_ajustee(font(), visible, place);
    p.setFont(f);
    const QFontMetrics fm(f);
    const int largeurTexte = fm.horizontalAdvance(visible);
    const int largeurImage = image_.isNull() ? 0 : largeur_image() + 4;
    const int decalage = isDown() ? 1 : 0;
    int x = (width() - largeurTexte - largeurImage) / 2 + decalage;
    if (!image_.isNull()) {
        p.drawPixmap(x, (height() - qRound(image_.deviceIndependentSize().height())) / 2 + decalage, image_);
        x += largeurImage;
    }
    const QRect zone(x, decalage, largeurTexte + 2, height());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    if (relief_ == Relief::Releve) {
        p.setPen(Qt::white);
        p.drawText(zone.translated(-1, -1), flags, brut);
        p.setPen(couleurOmbre_);
        p.drawText(zone.translated(1, 1), flags, brut);
    } else {
        p.setPen(couleurOmbre_);
        p.drawText(zone.translated(1, 1), flags, brut);
    }
    const bool marque = hasFocus() && focus_clavier_;
    p.setPen((survol_ || marque) && couleurSurvol_.isValid() ? couleurSurvol_ : couleurTexte_);
    p.drawText(zone, flags, brut);
    // Reached with the keyboard: a dotted ring inside the shape.
    if (marque) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(couleurSurvol_.isValid() ? couleurSurvol_ : QColor(Qt::black), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        const QRectF dedans = r.adjusted(3, 3, -3, -3);
        p.drawRoundedRect(dedans, dedans.height() / 2.0, dedans.height() / 2.0);
    }
}

TPanneauDegrade::TPanneauDegrade(bool enfonce, QWidget* parent) : QWidget(parent), enfonce_(enfonce) {}

void TPanneauDegrade::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, degrade(r));
    const QColor clair(Qt::white), sombre(0x80, 0x80, 0x80);
    const QColor& hautGauche = enfonce_ ? sombre : clair;
    const QColor& basDroite = enfonce_ ? clair : sombre;
    p.setPen(hautGauche);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(basDroite);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

TImageCliquable::TImageCliquable(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void TImageCliquable::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TImageCliquable::focusInEvent(QFocusEvent* e)
{
    focus_clavier_ = raison_clavier(e->reason());
    QWidget::focusInEvent(e);
    update();
}

void TImageCliquable::focusOutEvent(QFocusEvent* e)
{
    focus_clavier_ = false;
    QWidget::focusOutEvent(e);
    update();
}

void TImageCliquable::setImage(const QPixmap& p)
{
    image_ = p;
    if (!p.isNull())
        resize(p.size() / p.devicePixelRatio());
    update();
}

void TImageCliquable::setImagePourEcran(std::function<QPixmap(qreal)> image)
{
    source_ = std::move(image);
    setImage(source_ ? source_(devicePixelRatioF()) : QPixmap());
}

void TImageCliquable::paintEvent(QPaintEvent*)
{
    if (source_ && a_reprendre(image_, this))
        image_ = source_(devicePixelRatioF());
    QPainter p(this);
    if (!image_.isNull())
        p.drawPixmap(0, 0, image_);
    if (hasFocus() && focus_clavier_) {
        p.setPen(QPen(QColor(0x80, 0x60, 0x10), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void TImageCliquable::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        appui_ = true;
}

void TImageCliquable::mouseReleaseEvent(QMouseEvent* e)
{
    const bool clic = appui_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        appui_ = false;
    if (clic)
        emit clicked();
}

} // namespace trelmo
