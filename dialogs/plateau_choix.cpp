#include "dialogs/plateau_choix.h"

#include "dialogs/commun.h"
#include "dialogs/textes_problemes.h"
#include "game/grille.h"
#include "resources/ressources.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>

namespace trelmo {

TPlateauChoix::TPlateauChoix(int32_t langue, QWidget* parent) : QWidget(parent), langue_(langue)
{
    setObjectName(QStringLiteral("plateau"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(QString::fromStdString(textes_problemes(langue).nom_plateau));
}

GeometriePlateau TPlateauChoix::geometrie() const
{
    const int32_t niveau = montre_ ? montre_->niveau : (serie_.empty() ? 1 : serie_.front()->niveau);
    return GeometriePlateau(niveau, QRectF(rect()).adjusted(6, 6, -6, -6));
}

void TPlateauChoix::montrer(const Probleme* p)
{
    montre_ = p;
    serie_.clear();
    depart_ = curseur_ = survol_ = 0;
    choisi_ = p;
    decrire();
    update();
    emit changement();
}

void TPlateauChoix::choisir(const std::vector<const Probleme*>& serie)
{
    montre_ = nullptr;
    serie_ = serie;
    choisi_ = nullptr;
    survol_ = 0;
    depart_ = 0;
    const std::vector<int> departs = candidats();
    if (departs.size() == 1) {
        depart_ = departs.front();
        curseur_ = cibles_de(depart_).front();
    } else {
        // The centre when it can start, else the first hole that can.
        curseur_ = std::find(departs.begin(), departs.end(), 25) != departs.end() ? 25 : departs.front();
    }
    decrire();
    update();
    emit changement();
}

const Probleme* TPlateauChoix::probleme_de(int depart, int cible) const
{
    for (const Probleme* p : serie_)
        if (p->depart == depart && p->cible == cible)
            return p;
    return nullptr;
}

std::vector<int> TPlateauChoix::cibles_de(int depart) const
{
    std::vector<int> c;
    for (const Probleme* p : serie_)
        if (p->depart == depart)
            c.push_back(p->cible);
    return c;
}

std::vector<int> TPlateauChoix::candidats() const
{
    if (serie_.empty())
        return {};
    if (depart_ != 0)
        return cibles_de(depart_);
    std::vector<int> d;
    for (const Probleme* p : serie_)
        if (d.empty() || d.back() != p->depart)
            d.push_back(p->depart);
    d.erase(std::unique(d.begin(), d.end()), d.end());
    return d;
}

void TPlateauChoix::prendre(int trou)
{
    if (serie_.empty() || trou == 0)
        return;
    const std::vector<int> c = candidats();
    const bool candidat = std::find(c.begin(), c.end(), trou) != c.end();
    if (depart_ == 0) {
        if (!candidat)
            return;
        depart_ = trou;
        const std::vector<int> cibles = cibles_de(trou);
        curseur_ = std::find(cibles.begin(), cibles.end(), trou) != cibles.end() ? trou : cibles.front();
    } else if (candidat) {
        choisi_ = probleme_de(depart_, trou);
        curseur_ = trou;
    } else {
        // Another hole that can start: it becomes the start.
        const int ancien = depart_;
        depart_ = 0;
        const std::vector<int> d = candidats();
        if (d.size() < 2 || std::find(d.begin(), d.end(), trou) == d.end()) {
            depart_ = ancien;
            return;
        }
        choisi_ = nullptr;
        prendre(trou);
        return;
    }
    decrire();
    update();
    emit changement();
}

void TPlateauChoix::placer_curseur(int trou)
{
    if (trou == curseur_)
        return;
    curseur_ = trou;
    decrire();
    update();
    emit changement();
}

void TPlateauChoix::decrire()
{
    const TextesProblemes& t = textes_problemes(langue_);
    if (curseur_ == 0) {
        setAccessibleDescription({});
        return;
    }
    std::uint64_t billes = 0;
    if (montre_)
        billes = montre_->billes;
    else if (!serie_.empty())
        billes = trous_du_niveau(serie_.front()->niveau) & ~bit(depart_ != 0 ? depart_ : curseur_);
    QStringList parties{QString::fromStdString(t.trou).arg(QString::fromStdString(nom_du_trou(curseur_))),
                        QString::fromStdString((billes & bit(curseur_)) ? t.trou_bille : t.trou_vide)};
    const std::vector<int> c = candidats();
    if (std::find(c.begin(), c.end(), curseur_) != c.end())
        parties << QString::fromStdString(depart_ == 0 ? t.trou_depart : t.trou_cible);
    if (depart_ != 0 && resolus_) {
        const Probleme* p = probleme_de(depart_, curseur_);
        if (p && resolus_->count(p->id))
            parties << QString::fromStdString(t.trou_resolu);
    }
    setAccessibleDescription(parties.join(QStringLiteral(", ")));
}

void TPlateauChoix::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!montre_ && serie_.empty())
        return;
    const GeometriePlateau g = geometrie();
    if (montre_) {
        dessiner_plateau(p, g, montre_->billes, montre_->cible, apparence_);
    } else {
        const int vide = depart_ != 0 ? depart_ : curseur_;
        dessiner_plateau(p, g, trous_du_niveau(g.niveau()) & ~bit(vide), choisi_ ? choisi_->cible : 0, apparence_);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = g.pas();
        if (depart_ == 0) {
            // Where the board does not let every hole start, the holes that can.
            const std::vector<int> departs = candidats();
            if (static_cast<int>(departs.size()) < std::popcount(trous_du_niveau(g.niveau()))) {
                p.setPen(QPen(QColor(255, 250, 230, 150), std::max(1.0, 0.04 * s)));
                p.setBrush(Qt::NoBrush);
                for (int d : departs)
                    p.drawEllipse(g.centre(d), 0.4 * s, 0.4 * s);
            }
            // The hole under the cursor starts empty: the places its last
            // marble may reach, and the holes that give the same problem
            // turned or mirrored.
            for (int c : cibles_de(curseur_))
                anneau_plateau(p, g.centre(c), 0.43 * s, kOrCible, std::max(1.2, 0.06 * s));
            p.setPen(QPen(QColor(120, 170, 255, 230), std::max(1.2, 0.06 * s), Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            for (int sym = 1; sym < 8; ++sym) {
                const int image = symetrique(sym, curseur_);
                if (image != curseur_)
                    p.drawEllipse(g.centre(image), 0.4 * s, 0.4 * s);
            }
        } else {
            for (int c : cibles_de(depart_)) {
                anneau_plateau(p, g.centre(c), 0.43 * s, kOrCible, std::max(1.2, (choisi_ && choisi_->cible == c ? 0.12 : 0.06) * s));
                const Probleme* pb = probleme_de(depart_, c);
                if (resolus_ && pb && resolus_->count(pb->id))
                    coche_resolu(p, g.centre(c) + QPointF(0.32 * s, -0.32 * s), 0.17 * s);
            }
        }
        if (curseur_ != 0)
            anneau_plateau(p, g.centre(curseur_), 0.49 * s, kBleuCurseur, std::max(2.0, 0.08 * s));
    }
    if (hasFocus() && focus_clavier_) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kBleuCurseur, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void TPlateauChoix::keyPressEvent(QKeyEvent* e)
{
    if (serie_.empty()) {
        QWidget::keyPressEvent(e);
        return;
    }
    QPointF sens;
    switch (e->key()) {
    case Qt::Key_Left: sens = {-1, 0}; break;
    case Qt::Key_Right: sens = {1, 0}; break;
    case Qt::Key_Up: sens = {0, -1}; break;
    case Qt::Key_Down: sens = {0, 1}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (choisi_ && depart_ != 0 && choisi_->cible == curseur_)
            emit valide();
        else
            prendre(curseur_);
        return;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        // Back to the choice of the start, when there is one to make.
        if (depart_ != 0) {
            const int ancien = depart_;
            depart_ = 0;
            if (candidats().size() > 1) {
                choisi_ = nullptr;
                curseur_ = ancien;
                decrire();
                update();
                emit changement();
                return;
            }
            depart_ = ancien;
        }
        QWidget::keyPressEvent(e);
        return;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    // The nearest hole that can be chosen in that direction, a hole straight
    // ahead before one off to the side.
    const GeometriePlateau g = geometrie();
    const QPointF ici = g.centre(curseur_);
    int meilleur = 0;
    qreal note = 0;
    for (int c : candidats()) {
        const QPointF d = (g.centre(c) - ici) / g.pas();
        const qreal avant = d.x() * sens.x() + d.y() * sens.y();
        const qreal cote = std::abs(d.x() * sens.y() - d.y() * sens.x());
        if (c == curseur_ || avant < 0.5 || cote > avant * 2.5)
            continue;
        const qreal n = avant + 2.0 * cote;
        if (meilleur == 0 || n < note) {
            meilleur = c;
            note = n;
        }
    }
    if (meilleur != 0)
        placer_curseur(meilleur);
}

void TPlateauChoix::mouseMoveEvent(QMouseEvent* e)
{
    const int t = geometrie().trou_en(e->position());
    const std::vector<int> c = candidats();
    survol_ = std::find(c.begin(), c.end(), t) != c.end() ? t : 0;
    setCursor(survol_ ? trelmo::curseur(curseur_tophand_id) : QCursor());
    if (survol_)
        placer_curseur(survol_);
}

void TPlateauChoix::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        prendre(geometrie().trou_en(e->position()));
}

void TPlateauChoix::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int t = geometrie().trou_en(e->position());
    if (e->button() == Qt::LeftButton && t != 0 && choisi_ && (montre_ || (depart_ != 0 && choisi_->cible == t)))
        emit valide();
}

void TPlateauChoix::leaveEvent(QEvent* e)
{
    survol_ = 0;
    QWidget::leaveEvent(e);
}

void TPlateauChoix::focusInEvent(QFocusEvent* e)
{
    focus_clavier_ = raison_clavier(e->reason());
    QWidget::focusInEvent(e);
    update();
}

void TPlateauChoix::focusOutEvent(QFocusEvent* e)
{
    focus_clavier_ = false;
    QWidget::focusOutEvent(e);
    update();
}

} // namespace trelmo
