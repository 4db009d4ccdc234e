#include "mainwindow/texte_label.h"


namespace trelmo {

QString texte_label(const std::string& caption)
{
    QString s = QString::fromStdString(caption);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace trelmo
