#pragma once
// Small helpers shared by the dialogs.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

#include "widgets/label3d.h"

#include <string>

namespace trelmo {

inline QString qs(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Puts a top-level window in the middle of its screen.
inline void centrer_ecran(QWidget* w)
{
    QScreen* ecran = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    const QRect cadre = w->frameGeometry();
    w->move(w->pos() + zone.center() - cadre.center());
}

// A plain area of one colour.
inline QWidget* panneau_uni(QWidget* parent, const QRect& g, const QColor& couleur)
{
    auto* p = new QWidget(parent);
    p->setGeometry(g);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, couleur);
    p->setPalette(pal);
    return p;
}

// The font narrowed just enough for `texte` to fit on one line of `largeur`
// pixels (never below half its width); unchanged when it fits already.
inline QFont police_ajustee(QFont f, const QString& texte, int largeur)
{
    f.setStretch(QFont::AnyStretch);
    const int avance = QFontMetrics(f).horizontalAdvance(texte);
    if (avance <= largeur || avance <= 0)
        return f;
    for (int etirement = 100 * largeur / avance; etirement >= 50; --etirement) {
        f.setStretch(etirement);
        if (QFontMetrics(f).horizontalAdvance(texte) <= largeur)
            return f;
    }
    return f;
}

inline constexpr QRgb kGrisPanneau = 0xE6E6E6;
inline constexpr QRgb kGrisOmbre = 0x808080;

// A centred, transparent label of the dialogs with the grey drop shadow.
inline TLabel3D* label_ombre(QWidget* parent, const QRect& g, const QFont& f, const QColor& face)
{
    auto* l = new TLabel3D(parent);
    l->setGeometry(g);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setFont(f);
    l->setFontColor(face);
    l->setShadowColor(QColor(kGrisOmbre));
    l->setTransparent(true);
    return l;
}

} // namespace trelmo
