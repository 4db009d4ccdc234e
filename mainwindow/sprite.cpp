#include "mainwindow/sprite.h"

#include <QApplication>
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

void Sprite::mousePressEvent(QMouseEvent* e)
{
    QLabel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) {
        appui_ = actif_;
        glisse_ = false;
        depart_ = e->position().toPoint();
    }
}

void Sprite::mouseMoveEvent(QMouseEvent* e)
{
    QLabel::mouseMoveEvent(e);
    const QPoint ici = e->position().toPoint();
    if (appui_ && (e->buttons() & Qt::LeftButton)) {
        if (glisse_) {
            emit glisse_vers(numero_, e->globalPosition().toPoint());
            return;
        }
        if ((ici - depart_).manhattanLength() >= QApplication::startDragDistance()) {
            glisse_accepte_ = false;
            emit glisse(numero_, e->globalPosition().toPoint());
            glisse_ = glisse_accepte_;
            if (glisse_)
                return;
        }
    }
    if (actif_ && rect().contains(ici))
        emit survol(numero_);
}

void Sprite::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    const bool glissait = glisse_, appuye = appui_;
    appui_ = false;
    glisse_ = false;
    if (glissait) {
        emit lache(numero_, e->globalPosition().toPoint());
        return;
    }
    if (appuye && actif_ && rect().contains(e->position().toPoint()))
        emit clic(numero_);
}

} // namespace trelmo
