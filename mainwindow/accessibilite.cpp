#include "mainwindow/accessibilite.h"

#include "widgets/labelcliquable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <array>

namespace trelmo {

namespace {

// The board layer of each window, with its source.
QHash<QWidget*, ISourceAccessible*>& sources()
{
    static QHash<QWidget*, ISourceAccessible*> s;
    return s;
}

ISourceAccessible* source_de(QWidget* plateau)
{
    return sources().value(plateau, nullptr);
}

class PlateauAccessible;

// One hole of the board: not a widget of its own, a child of the board.
class TrouAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TrouAccessible(QWidget* plateau, int n) : plateau_(plateau), n_(n) {}

    bool isValid() const override { return plateau_ && source_de(plateau_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return plateau_ ? plateau_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return plateau_ ? QAccessible::queryAccessibleInterface(plateau_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        ISourceAccessible* s = plateau_ ? source_de(plateau_) : nullptr;
        if (!s || t != QAccessible::Name)
            return {};
        return s->nom_trou(n_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!plateau_)
            return {};
        QWidget* sprite = plateau_->parentWidget()->findChild<QWidget*>(QStringLiteral("p%1").arg(n_),
                                                                         Qt::FindDirectChildrenOnly);
        if (!sprite)
            return {};
        return QRect(sprite->mapToGlobal(QPoint(0, 0)), sprite->size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.focusable = true;
        ISourceAccessible* s = plateau_ ? source_de(plateau_) : nullptr;
        st.focused = s && plateau_->hasFocus() && s->trou_focus() == n_;
        st.invisible = !plateau_ || !plateau_->isVisible();
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            if (ISourceAccessible* s = plateau_ ? source_de(plateau_) : nullptr)
                s->activer_trou(n_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Space")}; }

    int numero() const { return n_; }

private:
    QPointer<QWidget> plateau_;
    int n_;
};

// The board: a group whose children are the holes in play.
class PlateauAccessible : public QAccessibleWidget {
public:
    explicit PlateauAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}
    ~PlateauAccessible() override
    {
        for (TrouAccessible* t : trous_)
            if (t)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(t));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            if (ISourceAccessible* s = source_de(widget()))
                return s->nom_plateau();
        return QAccessibleWidget::text(t);
    }
    QRect rect() const override
    {
        // The holes' area, not the whole layer.
        QRect r;
        for (int n = 1; n <= 49; ++n)
            if (TrouAccessible* t = const_cast<PlateauAccessible*>(this)->trou(n); t && expose(n))
                r |= t->rect();
        return r.isEmpty() ? QAccessibleWidget::rect() : r;
    }
    int childCount() const override
    {
        int k = 0;
        for (int n = 1; n <= 49; ++n)
            k += expose(n);
        return k;
    }
    QAccessibleInterface* child(int index) const override
    {
        int k = 0;
        for (int n = 1; n <= 49; ++n)
            if (expose(n) && k++ == index)
                return const_cast<PlateauAccessible*>(this)->trou(n);
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        int k = 0;
        for (int n = 1; n <= 49; ++n)
            if (expose(n)) {
                if (trous_[static_cast<size_t>(n)] == c)
                    return k;
                ++k;
            }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        ISourceAccessible* s = source_de(widget());
        if (!s || !widget()->hasFocus() || !expose(s->trou_focus()))
            return nullptr;
        return const_cast<PlateauAccessible*>(this)->trou(s->trou_focus());
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.focusable = true;
        return st;
    }

    TrouAccessible* trou(int n)
    {
        if (n < 1 || n > 49)
            return nullptr;
        TrouAccessible*& t = trous_[static_cast<size_t>(n)];
        if (!t) {
            t = new TrouAccessible(widget(), n);
            QAccessible::registerAccessibleInterface(t);
        }
        return t;
    }

private:
    bool expose(int n) const
    {
        ISourceAccessible* s = source_de(widget());
        return s && n >= 1 && n <= 49 && s->trou_expose(n);
    }
    std::array<TrouAccessible*, 50> trous_{};
};

// A label that acts as a button: a push button named by its caption.
class BoutonAccessible : public QAccessibleWidget {
public:
    explicit BoutonAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override
    {
        auto* l = static_cast<QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return l->accessibleName().isEmpty() ? l->text().simplified() : l->accessibleName();
        case QAccessible::Description:
            return l->toolTip();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.focusable = true;
        return st;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked");
    }
};

// The window: only what a player needs, in the order of the Tab key; the
// sprites themselves stay out of the tree.
class FenetreAccessible : public QAccessibleWidget {
public:
    explicit FenetreAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return int(enfants().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> e = enfants();
        return index >= 0 && index < e.size() ? QAccessible::queryAccessibleInterface(e[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c || !c->object() || !c->object()->isWidgetType())
            return -1;
        return int(enfants().indexOf(static_cast<QWidget*>(c->object())));
    }

private:
    QList<QWidget*> enfants() const
    {
        QList<QWidget*> liste;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && w->property("accessible").toBool() && !w->isHidden())
                liste.append(w);
        }
        return liste;
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* o)
{
    if (!o || !o->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (classe == QLatin1String("trelmo::TForm1"))
        return new FenetreAccessible(w);
    if (classe == QLatin1String("trelmo::TCalque"))
        return new PlateauAccessible(w);
    if ((classe == QLatin1String("trelmo::LabelCliquable") || classe == QLatin1String("trelmo::TLabel3D"))
        && w->property("bouton").toBool())
        return new BoutonAccessible(w);
    return nullptr;
}

} // namespace

void installer_accessibilite()
{
    static bool fait = false;
    if (!fait) {
        fait = true;
        QAccessible::installFactory(&fabrique);
    }
}

void definir_source_accessible(QWidget* plateau, ISourceAccessible* source)
{
    if (source)
        sources().insert(plateau, source);
    else
        sources().remove(plateau);
}

void signaler_plateau_change(QWidget* plateau)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent e(plateau, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&e);
    if (ISourceAccessible* s = source_de(plateau); s && plateau->hasFocus() && s->trou_focus() != 0)
        signaler_focus_trou(plateau, s->trou_focus());
}

void signaler_focus_trou(QWidget* plateau, int n)
{
    if (!QAccessible::isActive() || !plateau->hasFocus())
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(plateau);
    auto* p = static_cast<PlateauAccessible*>(iface);
    TrouAccessible* t = p ? p->trou(n) : nullptr;
    if (!t)
        return;
    const int index = p->indexOfChild(t);
    if (index < 0)
        return;
    QAccessibleEvent nom(plateau, QAccessible::NameChanged);
    nom.setChild(index);
    QAccessible::updateAccessibility(&nom);
    QAccessibleEvent focus(plateau, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

} // namespace trelmo
