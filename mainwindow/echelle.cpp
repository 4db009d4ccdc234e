#include "mainwindow/echelle.h"

#include "mainwindow/textes_plus.h"
#include "storage/ini.h"
#include "widgets/bulle.h"
#include "widgets/garde.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cmath>

namespace trelmo {

namespace {

constexpr const char* kCle = "taille";
// Around the layout when the window is larger than it: a dark neutral grey
// that frames every skin.
constexpr QRgb kPourtour = 0xff202020;
// The scale given to the screens at start-up, before the window exists.
double facteur_initial = 1.0;

// Scales are whole eighths: the toolkit counts them without rounding, so a
// window of whole pixels stays whole at any of them.
double en_huitiemes(double facteur)
{
    return std::max(1.0, std::floor(facteur * 8 + 1e-9) / 8);
}

bool choix_connu(long long pourcent)
{
    return std::find(std::begin(Echelle::kTailles), std::end(Echelle::kTailles), pourcent)
           != std::end(Echelle::kTailles);
}

void regler_ecrans(double facteur)
{
    for (QScreen* ecran : QGuiApplication::screens())
        QHighDpiScaling::setScreenFactor(ecran, facteur);
}

// The device pixel ratio a screen would have at a scale of 1.
double ratio_propre(const QScreen* ecran, double facteur)
{
    return ecran ? ecran->devicePixelRatio() / facteur : 1.0;
}

// The largest scale at which a layout of this size fits the free area of the screen.
double ajuste(const QScreen* ecran, double facteur, QSize base, QSize cadre = {})
{
    if (!ecran)
        return 1.0;
    const QRect libre = ecran->availableGeometry();
    // The frame the window manager adds, when the window has one.
    const double w = (libre.width() - cadre.width()) * facteur;
    const double h = (libre.height() - cadre.height()) * facteur;
    return en_huitiemes(std::min(w / base.width(), h / base.height()));
}

// Paints the surround, outside the layout, before the window's own painting.
class Pourtour : public QObject {
public:
    Pourtour(QWidget* fenetre, const Echelle* echelle, QSize base)
        : QObject(fenetre), echelle_(echelle), base_(base)
    {
        fenetre->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            auto* w = static_cast<QWidget*>(o);
            const QRect dedans(echelle_->decalage(), base_);
            if (!dedans.contains(w->rect())) {
                QPainter p(w);
                p.setClipRegion(QRegion(w->rect()) - QRegion(dedans));
                p.fillRect(w->rect(), QColor::fromRgb(kPourtour));
            }
        }
        return false;
    }

private:
    const Echelle* echelle_;
    QSize base_;
};

} // namespace

int taille_enregistree(const std::string& chemin_ini)
{
    const auto valeur = lit_preference_entier(chemin_ini, kCle);
    return valeur && choix_connu(*valeur) ? static_cast<int>(*valeur) : 100;
}

void Echelle::appliquer_au_demarrage(const std::string& chemin_ini)
{
    const int choix = taille_enregistree(chemin_ini);
    if (choix == 100)
        return;   // nothing to change: the screens keep their own scale
    QScreen* ecran = QGuiApplication::primaryScreen();
    facteur_initial = choix == kAjuster ? ajuste(ecran, 1.0, QSize(640, 462), QSize(0, 0)) : choix / 100.0;
    regler_ecrans(facteur_initial);
}

Echelle::Echelle(QWidget* fenetre, QSize base, std::string chemin_ini)
    : QObject(fenetre), fenetre_(fenetre), base_(base), facteur_(facteur_initial),
      chemin_ini_(std::move(chemin_ini))
{
    choix_ = taille_enregistree(chemin_ini_);
    fenetre_->setMinimumSize(base_);
    fenetre_->resize(base_);
    new Pourtour(fenetre_, this, base_);
}

void Echelle::creer_commandes(int32_t langue_)
{
    auto garder = [this](auto faire) {
        return [this, faire](bool coche) {
            garde([&] {
                if (avant_commande)
                    avant_commande();
                faire(coche);
            });
        };
    };
    const TextesPlus& t = textes_plus(langue_);
    auto* taille = new QAction(t.taille, fenetre_);
    taille->setObjectName(QStringLiteral("taille"));
    auto* sous_menu = new QMenu(fenetre_);
    sous_menu->setObjectName(QStringLiteral("menu_taille"));
    taille->setMenu(sous_menu);
    groupe_ = new QActionGroup(this);
    for (int pourcent : kTailles) {
        const QString nom = pourcent == kAjuster ? t.taille_ecran : t.taille_pourcent.arg(pourcent);
        QAction* a = sous_menu->addAction(nom);
        a->setObjectName(QStringLiteral("taille_%1").arg(pourcent));
        a->setCheckable(true);
        a->setChecked(pourcent == choix_);
        groupe_->addAction(a);
        connect(a, &QAction::triggered, this, garder([this, pourcent](bool) { choisir(pourcent); }));
    }
    plein_ecran_ = new QAction(t.plein_ecran, fenetre_);
    plein_ecran_->setObjectName(QStringLiteral("plein_ecran"));
    plein_ecran_->setCheckable(true);
    plein_ecran_->setShortcut(QKeySequence(Qt::Key_F11));
    plein_ecran_->setShortcutContext(Qt::WindowShortcut);
    connect(plein_ecran_, &QAction::triggered, this, garder([this](bool) { basculer_plein_ecran(); }));
    auto* separateur = new QAction(fenetre_);
    separateur->setSeparator(true);
    fenetre_->addAction(separateur);
    fenetre_->addAction(taille);
    fenetre_->addAction(plein_ecran_);
}

void Echelle::choisir(int pourcent)
{
    if (!choix_connu(pourcent))
        return;
    choix_ = pourcent;
    if (groupe_)
        for (QAction* a : groupe_->actions())
            a->setChecked(a->objectName() == QStringLiteral("taille_%1").arg(pourcent));
    // Remembered first: a settings file that cannot be written never keeps
    // the window from taking its new size.
    try {
        ecrit_preference_entier(chemin_ini_, kCle, pourcent);
    } catch (...) {
    }
    if (fenetre_->isFullScreen() || fenetre_->isMaximized())
        fenetre_->showNormal();
    QScreen* ecran = fenetre_->screen();
    const double facteur = pourcent == kAjuster
                               ? ajuste(ecran, facteur_, base_, fenetre_->frameSize() - fenetre_->size())
                               : pourcent / 100.0;
    a_sa_taille(facteur);
    if (ecran) {
        const QRect libre = ecran->availableGeometry();
        QRect r = fenetre_->frameGeometry();
        r.moveCenter(libre.center());
        fenetre_->move(std::max(libre.left(), r.left()), std::max(libre.top(), r.top()));
    }
}

void Echelle::a_sa_taille(double facteur)
{
    // The layout's own size at that scale, in the screen's pixels.
    const double ratio = ratio_propre(fenetre_->screen(), facteur_) * facteur;
    appliquer(facteur, QSize(static_cast<int>(std::lround(base_.width() * ratio)),
                             static_cast<int>(std::lround(base_.height() * ratio))));
}

void Echelle::basculer_plein_ecran()
{
    if (fenetre_->isFullScreen()) {
        fenetre_->showNormal();
        // Back to the scale the window had before, at its size.
        const double avant = avant_plein_ecran_;
        QTimer::singleShot(0, this, [this, avant] {
            garde([this, avant] { a_sa_taille(avant); });
        });
    } else {
        avant_plein_ecran_ = facteur_;
        fenetre_->showFullScreen();
    }
    if (plein_ecran_)
        plein_ecran_->setChecked(fenetre_->isFullScreen());
}

void Echelle::redimensionnee()
{
    if (en_cours_)
        return;
    if (plein_ecran_)
        plein_ecran_->setChecked(fenetre_->isFullScreen());
    // The window's size in the screen's pixels, and the scale that makes the
    // layout fit it. Decided once the resize is over, outside its event.
    QTimer::singleShot(0, this, [this] {
        garde([this] {
            if (en_cours_)
                return;
            const double ratio = fenetre_->devicePixelRatioF();
            const QSize physique(static_cast<int>(std::lround(fenetre_->width() * ratio)),
                                 static_cast<int>(std::lround(fenetre_->height() * ratio)));
            const double propre = ratio / facteur_;
            const double facteur = en_huitiemes(std::min(physique.width() / (base_.width() * propre),
                                                         physique.height() / (base_.height() * propre)));
            if (std::abs(facteur - facteur_) < 1e-3)
                placer();
            else
                appliquer(facteur, physique, false);
        });
    });
}

void Echelle::appliquer(double facteur, QSize physique, bool demander)
{
    en_cours_ = true;
    auto fin = qScopeGuard([this] { en_cours_ = false; });
    const double propre = fenetre_->devicePixelRatioF() / facteur_;
    facteur_ = facteur;
    regler_ecrans(facteur_);
    // The same pixels, counted at the new scale.
    const double ratio = propre * facteur_;
    const QSize logique(std::max(base_.width(), static_cast<int>(std::floor(physique.width() / ratio + 1e-6))),
                        std::max(base_.height(), static_cast<int>(std::floor(physique.height() / ratio + 1e-6))));
    // The pictures first, made for the new ratio, then the window's paint.
    emit change();
    QWindow* fenetre_os = fenetre_->windowHandle();
    if (!demander && fenetre_os && fenetre_os->handle()) {
        // The window keeps the size the window manager gave it: only the way
        // the toolkit counts it changes, as if the window manager had said so.
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            fenetre_os, fenetre_os->handle()->geometry());
    } else if (logique == fenetre_->size()) {
        // The window's picture is remade at the new resolution only when its
        // size changes: change it, paint, and change it back.
        fenetre_->resize(logique + QSize(1, 0));
        fenetre_->repaint();
        fenetre_->resize(logique);
    } else {
        fenetre_->resize(logique);
    }
    placer();
    // A balloon on the screen is a picture of the old scale, the screen
    // behind it included.
    if (THintManager* bulles = THintManager::instance())
        bulles->hideHint();
    fenetre_->update();
}

void Echelle::placer()
{
    const QPoint nouveau(std::max(0, (fenetre_->width() - base_.width()) / 2),
                         std::max(0, (fenetre_->height() - base_.height()) / 2));
    const QPoint d = nouveau - decalage_;
    if (d.isNull())
        return;
    decalage_ = nouveau;
    for (QObject* o : fenetre_->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow())
            w->move(w->pos() + d);
    fenetre_->update();
    emit change();
}

} // namespace trelmo
