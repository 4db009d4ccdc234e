#include "widgets/labelcliquable.h"

#include <QMouseEvent>

namespace trelmo {

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

} // namespace trelmo
