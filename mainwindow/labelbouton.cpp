#include "mainwindow/labelbouton.h"

#include <QMouseEvent>

namespace trelmo {

void LabelBouton::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

QString texte_label(const std::string& caption)
{
    QString s = QString::fromStdString(caption);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace trelmo
