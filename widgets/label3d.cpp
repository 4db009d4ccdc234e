#include "widgets/label3d.h"

#include "widgets/magiclabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace trelmo {

TLabel3D::TLabel3D(QWidget* parent) : LabelCliquable(parent)
{
    shadowColor_ = QApplication::palette().color(QPalette::Active, QPalette::Light);
    resize(66, 18);
}

TLabel3D::TLabel3D(const QString& texte, QWidget* parent) : TLabel3D(parent)
{
    setText(texte);
}

void TLabel3D::setShadowColor(const QColor& c)
{
    if (c == shadowColor_)
        return;
    shadowColor_ = c;
    update();
}

void TLabel3D::setFontColor(const QColor& c) { fontColor_ = c; update(); }
void TLabel3D::setTransparent(bool b) { transparent_ = b; update(); }
void TLabel3D::setShowAccelChar(bool b) { showAccelChar_ = b; update(); }

void TLabel3D::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!transparent_)
        p.fillRect(rect(), palette().color(backgroundRole()));
    const QString texte = texte_a_dessiner(text());
    if (texte.isEmpty())
        return;
    const int flags = drapeaux_texte(alignment(), showAccelChar_);
    const QRect r = rect();
    p.setFont(font());
    p.setPen(shadowColor_);
    p.drawText(r.translated(1, 1), flags, texte);
    QColor face = fontColor_.isValid() ? fontColor_ : palette().color(QPalette::Active, QPalette::WindowText);
    if (!isEnabled())
        face = couleur_texte_gris();
    p.setPen(face);
    p.drawText(r, flags, texte);
}

} // namespace trelmo
