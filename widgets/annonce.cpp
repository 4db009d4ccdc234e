#include "widgets/annonce.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace trelmo {

namespace {

class AnnonceAccessible : public QAccessibleWidget {
public:
    explicit AnnonceAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<TAnnonce*>(widget())->derniere();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* o)
{
    if (o && o->isWidgetType() && classe == QLatin1String("trelmo::TAnnonce"))
        return new AnnonceAccessible(static_cast<QWidget*>(o));
    return nullptr;
}

} // namespace

TAnnonce::TAnnonce(QWidget* parent) : QWidget(parent)
{
    static const bool installee = [] {
        QAccessible::installFactory(&fabrique);
        return true;
    }();
    (void)installee;
    setObjectName(QStringLiteral("annonce"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    setProperty("accessible", true);
}

void TAnnonce::annoncer(const QString& texte)
{
    derniere_ = texte;
    setAccessibleName(texte);
    if (!QAccessible::isActive())
        return;
    // Shown anew, the notification is spoken.
    hide();
    show();
    QAccessibleEvent e(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&e);
}

} // namespace trelmo
