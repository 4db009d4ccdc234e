#include "widgets/labelcliquable.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace trelmo {

bool raison_clavier(Qt::FocusReason r)
{
    return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason;
}

void LabelCliquable::setClavier(bool actif)
{
    clavier_ = actif;
    setFocusPolicy(actif ? Qt::TabFocus : Qt::NoFocus);
}

void LabelCliquable::setText(const QString& texte)
{
    // QLabel decides on a text document when the text is set, from the
    // focus policy: the caption is set while the label cannot take the focus.
    const Qt::FocusPolicy politique = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(texte);
    setFocusPolicy(politique);
}

bool LabelCliquable::event(QEvent* e)
{
    // Being polished is QLabel's other moment for building the document.
    if (e->type() == QEvent::Polish)
        return QFrame::event(e);
    return QLabel::event(e);
}

void LabelCliquable::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        appui_ = true;
    QLabel::mousePressEvent(e);
}

void LabelCliquable::mouseReleaseEvent(QMouseEvent* e)
{
    const bool clic = appui_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        appui_ = false;
    QLabel::mouseReleaseEvent(e);
    if (clic)
        emit clicked();
}

void LabelCliquable::keyPressEvent(QKeyEvent* e)
{
    if (clavier_ && e->modifiers() == Qt::NoModifier
        && (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        e->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

void LabelCliquable::focusInEvent(QFocusEvent* e)
{
    focus_clavier_ = raison_clavier(e->reason());
    // QLabel's own handler would build the text document to give it the focus.
    QFrame::focusInEvent(e);
    update();
}

void LabelCliquable::focusOutEvent(QFocusEvent* e)
{
    focus_clavier_ = false;
    QLabel::focusOutEvent(e);
    update();
}

} // namespace trelmo
