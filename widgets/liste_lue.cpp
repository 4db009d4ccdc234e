#include "widgets/liste_lue.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace trelmo {

namespace {

// One row: not a widget of its own, a child of the list.
class LigneAccessible : public QAccessibleInterface {
public:
    LigneAccessible(TListeLue* liste, int i) : liste_(liste), i_(i) {}
    bool isValid() const override { return liste_ && i_ < liste_->lignes().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return liste_ ? liste_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return liste_ ? QAccessible::queryAccessibleInterface(liste_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? liste_->lignes()[i_].texte : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = liste_->lignes()[i_].rect;
        return QRect(liste_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State st;
        st.focusable = true;
        st.selectable = true;
        const bool courante = isValid() && liste_->courante() == i_;
        st.selected = courante;
        st.focused = courante && liste_->hasFocus();
        st.invisible = !liste_ || !liste_->isVisible();
        return st;
    }

private:
    QPointer<TListeLue> liste_;
    int i_;
};

class ListeAccessible : public QAccessibleWidget {
public:
    explicit ListeAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::List) {}
    ~ListeAccessible() override
    {
        for (LigneAccessible* l : lignes_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(l));
    }
    int childCount() const override { return int(liste()->lignes().size()); }
    QAccessibleInterface* child(int i) const override
    {
        if (i < 0 || i >= childCount())
            return nullptr;
        auto& l = const_cast<ListeAccessible*>(this)->lignes_;
        while (int(l.size()) <= i) {
            l.push_back(new LigneAccessible(liste(), int(l.size())));
            QAccessible::registerAccessibleInterface(l.back());
        }
        return l[static_cast<size_t>(i)];
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (size_t i = 0; i < lignes_.size(); ++i)
            if (lignes_[i] == c)
                return int(i) < childCount() ? int(i) : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c->rect().contains(x, y))
                return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return liste()->hasFocus() ? child(liste()->courante()) : nullptr;
    }
    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.focusable = true;
        return st;
    }

private:
    TListeLue* liste() const { return static_cast<TListeLue*>(widget()); }
    std::vector<LigneAccessible*> lignes_;
};

QAccessibleInterface* fabrique(const QString& classe, QObject* o)
{
    if (o && o->isWidgetType() && classe == QLatin1String("trelmo::TListeLue"))
        return new ListeAccessible(static_cast<QWidget*>(o));
    return nullptr;
}

} // namespace

TListeLue::TListeLue(QWidget* parent) : QWidget(parent)
{
    static const bool installee = [] {
        QAccessible::installFactory(&fabrique);
        return true;
    }();
    (void)installee;
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void TListeLue::setLignes(const QList<Ligne>& lignes)
{
    lignes_ = lignes;
    courante_ = std::clamp(courante_, 0, std::max(0, int(lignes_.size()) - 1));
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent e(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&e);
    }
}

void TListeLue::aller(int ligne)
{
    if (lignes_.isEmpty())
        return;
    ligne = std::clamp(ligne, 0, int(lignes_.size()) - 1);
    if (ligne == courante_)
        return;
    update(lignes_[courante_].rect.adjusted(-2, -2, 2, 2));
    courante_ = ligne;
    update(lignes_[courante_].rect.adjusted(-2, -2, 2, 2));
    signaler();
}

void TListeLue::signaler()
{
    if (!QAccessible::isActive() || !hasFocus() || lignes_.isEmpty())
        return;
    QAccessibleEvent e(this, QAccessible::Focus);
    e.setChild(courante_);
    QAccessible::updateAccessibility(&e);
}

void TListeLue::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up: aller(courante_ - 1); break;
    case Qt::Key_Down: aller(courante_ + 1); break;
    case Qt::Key_Home: aller(0); break;
    case Qt::Key_End: aller(int(lignes_.size()) - 1); break;
    default: QWidget::keyPressEvent(e);
    }
}

void TListeLue::focusInEvent(QFocusEvent* e)
{
    focus_clavier_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(e);
    update();
    // After the list's own focus event, so that a reader goes on to the row.
    QTimer::singleShot(0, this, [this] { signaler(); });
}

void TListeLue::focusOutEvent(QFocusEvent* e)
{
    focus_clavier_ = false;
    QWidget::focusOutEvent(e);
    update();
}

void TListeLue::paintEvent(QPaintEvent*)
{
    if (!hasFocus() || !focus_clavier_ || lignes_.isEmpty())
        return;
    QPainter p(this);
    p.setPen(QPen(QColor(0x00, 0x00, 0x80), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(lignes_[courante_].rect.adjusted(-2, -1, 1, 0));
}

} // namespace trelmo
