#include "mainwindow/sprite.h"

#include <QMouseEvent>

namespace trelmo {

Sprite::Sprite(int numero, QWidget* parent) : QLabel(parent), numero_(numero)
{
    setFixedSize(27, 27);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Sprite::setActif(bool actif)
{
    actif_ = actif;
    setAttribute(Qt::WA_TransparentForMouseEvents, !actif);
}

void Sprite::enterEvent(QEnterEvent* e)
{
    QLabel::enterEvent(e);
    if (actif_)
        emit survol(numero_);
}

void Sprite::mouseMoveEvent(QMouseEvent* e)
{
    QLabel::mouseMoveEvent(e);
    if (actif_ && rect().contains(e->position().toPoint()))
        emit survol(numero_);
}

void Sprite::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (actif_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clic(numero_);
}

} // namespace trelmo
