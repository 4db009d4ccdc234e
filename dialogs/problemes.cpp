#include "dialogs/problemes.h"

#include "dialogs/commun.h"
#include "dialogs/langue.h"
#include "dialogs/saisie_nom.h"
#include "dialogs/textes_problemes.h"
#include "game/grille.h"
#include "resources/ressources.h"
#include "storage/statistiques.h"
#include "widgets/labelcliquable.h"
#include "widgets/polices.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>

namespace trelmo {

namespace {

constexpr std::uint64_t bit(int trou) { return std::uint64_t{1} << (trou - 1); }

QString arg(const std::string& modele, const QString& a)
{
    return QString::fromStdString(modele).arg(a);
}

QString nom_trou(int trou)
{
    return QString::fromStdString(nom_du_trou(trou));
}

bool un_seul_depart(const std::vector<const Probleme*>& serie)
{
    return serie.front()->depart == serie.back()->depart;
}

// ------------------------------------------------------------ the look

struct Bois {
    QColor clair, fonce, trou;
};

// The wood of the four skins, and the shade inside their holes.
Bois bois(int peau)
{
    switch (peau) {
    case 2: return {QColor(140, 152, 70), QColor(84, 94, 34), QColor(40, 48, 18)};
    case 3: return {QColor(178, 179, 184), QColor(104, 105, 110), QColor(44, 46, 52)};
    case 4: return {QColor(170, 78, 52), QColor(100, 36, 24), QColor(62, 22, 16)};
    default: return {QColor(222, 140, 70), QColor(150, 74, 30), QColor(70, 34, 14)};
    }
}

// The main colour of the seven marble textures.
QColor teinte(int bille)
{
    switch (bille) {
    case 2: return QColor(18, 56, 205);
    case 3: return QColor(16, 150, 40);
    case 4: return QColor(226, 132, 36);
    case 5: return QColor(176, 176, 184);
    case 6: return QColor(104, 114, 44);
    case 7: return QColor(148, 58, 34);
    default: return QColor(200, 16, 14);
    }
}

const QColor kOr(242, 196, 56);
const QColor kBleu(30, 95, 208);
const QColor kVert(20, 140, 50);

int cellules(int32_t niveau)
{
    return niveau == 3 ? 9 : 7;
}

// The outline of a board in cell units (one cell is 1 x 1, the first drawn
// cell at the origin), its corners rounded. Built once per board.
const QPainterPath& contour(int32_t niveau)
{
    static std::array<QPainterPath, 4> formes;
    QPainterPath& f = formes[static_cast<std::size_t>(std::clamp(niveau, 1, 3))];
    if (!f.isEmpty())
        return f;
    const int premiere = niveau == 3 ? 1 : 2;
    const std::uint64_t trous = trous_du_niveau(niveau);
    QPainterPath cases;
    for (int n = 1; n <= kNbTrous; ++n)
        if (trous & bit(n)) {
            const Case k = case_du_trou(n);
            QPainterPath c;
            c.addRect(QRectF(k.col - premiere, k.lig - premiere, 1, 1).adjusted(-0.04, -0.04, 0.04, 0.04));
            cases = cases.united(c);
        }
    QPainterPathStroker arrondi;
    arrondi.setWidth(0.22);
    arrondi.setJoinStyle(Qt::RoundJoin);
    f = cases.united(arrondi.createStroke(cases)).simplified();
    return f;
}

void anneau(QPainter& p, const QPointF& c, qreal rayon, const QColor& couleur, qreal epaisseur)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), epaisseur + 1.5));
    p.drawEllipse(c, rayon, rayon);
    p.setPen(QPen(couleur, epaisseur));
    p.drawEllipse(c, rayon, rayon);
}

// A small green badge with a white tick.
void coche(QPainter& p, const QPointF& c, qreal r)
{
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.0, r * 0.25)));
    p.setBrush(kVert);
    p.drawEllipse(c, r, r);
    QPainterPath v;
    v.moveTo(c + QPointF(-0.5 * r, 0.0));
    v.lineTo(c + QPointF(-0.12 * r, 0.42 * r));
    v.lineTo(c + QPointF(0.52 * r, -0.4 * r));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, std::max(1.2, r * 0.32), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
}

} // namespace

// ---------------------------------------------------------------- geometry

GeometriePlateau::GeometriePlateau(int32_t niveau, const QRectF& zone)
    : niveau_(niveau), premiere_(niveau == 3 ? 1 : 2)
{
    const int n = cellules(niveau);
    pas_ = std::min(zone.width(), zone.height()) / n;
    origine_ = zone.center() - QPointF(n * pas_ / 2, n * pas_ / 2);
}

QPointF GeometriePlateau::centre(int trou) const
{
    const Case k = case_du_trou(trou);
    return origine_ + QPointF((k.col - premiere_ + 0.5) * pas_, (k.lig - premiere_ + 0.5) * pas_);
}

int GeometriePlateau::trou_en(const QPointF& point) const
{
    const QPointF d = (point - origine_) / pas_;
    const int c = static_cast<int>(std::floor(d.x())) + premiere_;
    const int r = static_cast<int>(std::floor(d.y())) + premiere_;
    const int n = Grille::dans_grille(c, r) ? numero_trou(c, r) : 0;
    if (n == 0 || !(trous_du_niveau(niveau_) & bit(n)))
        return 0;
    const QPointF ecart = point - centre(n);
    return std::hypot(ecart.x(), ecart.y()) <= 0.48 * pas_ ? n : 0;
}

void dessiner_plateau(QPainter& p, const GeometriePlateau& g, std::uint64_t billes, int cible, const Apparence& a)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = g.pas();
    const int n = cellules(g.niveau());
    const QPointF origine = g.origine();
    QTransform vers_zone;
    vers_zone.translate(origine.x(), origine.y());
    vers_zone.scale(s, s);
    const QPainterPath forme = vers_zone.map(contour(g.niveau()));
    const Bois b = bois(a.plateau);

    // Shadow, then the wood with its grain, then a bevel along the edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(forme.translated(0.07 * s, 0.1 * s));
    const QRectF cadre = forme.boundingRect();
    QLinearGradient fond(cadre.topLeft(), cadre.bottomRight());
    fond.setColorAt(0.0, b.clair.lighter(108));
    fond.setColorAt(0.55, b.clair);
    fond.setColorAt(1.0, b.fonce);
    p.setBrush(fond);
    p.drawPath(forme);
    p.save();
    p.setClipPath(forme);
    p.setBrush(Qt::NoBrush);
    const int veines = 3 * n;
    for (int i = 0; i < veines; ++i) {
        // Deterministic, gently waving grain lines across the board.
        const qreal y0 = cadre.top() + (i + 0.5) * cadre.height() / veines;
        const qreal onde = (0.18 + 0.1 * ((i * 7) % 5) / 4.0) * s;
        QPainterPath veine;
        veine.moveTo(cadre.left(), y0);
        const qreal l = cadre.width();
        veine.cubicTo(cadre.left() + 0.3 * l, y0 - onde, cadre.left() + 0.6 * l, y0 + onde, cadre.right(), y0 + 0.3 * onde);
        QColor c = (i % 3 == 0) ? b.fonce.darker(115) : b.fonce;
        c.setAlpha(i % 2 ? 60 : 38);
        p.setPen(QPen(c, std::max(0.6, s * (i % 3 == 0 ? 0.07 : 0.04))));
        p.drawPath(veine);
    }
    p.restore();
    QLinearGradient biseau(cadre.topLeft(), cadre.bottomRight());
    biseau.setColorAt(0.0, QColor(255, 255, 240, 170));
    biseau.setColorAt(0.5, QColor(255, 255, 255, 40));
    biseau.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(biseau), std::max(1.0, 0.06 * s)));
    p.drawPath(forme);

    // Holes: a carved round with a light lower rim.
    const qreal rt = 0.3 * s;
    const std::uint64_t trous = trous_du_niveau(g.niveau());
    for (int t = 1; t <= kNbTrous; ++t) {
        if (!(trous & bit(t)))
            continue;
        const QPointF c = g.centre(t);
        QRadialGradient creux(c + QPointF(-0.25 * rt, -0.3 * rt), 1.3 * rt);
        creux.setColorAt(0.0, b.trou);
        creux.setColorAt(0.7, b.trou.lighter(130));
        creux.setColorAt(1.0, b.fonce);
        p.setPen(Qt::NoPen);
        p.setBrush(creux);
        p.drawEllipse(c, rt, rt);
        QLinearGradient bord(c - QPointF(rt, rt), c + QPointF(rt, rt));
        bord.setColorAt(0.0, QColor(0, 0, 0, 110));
        bord.setColorAt(1.0, QColor(255, 255, 230, 150));
        p.setPen(QPen(QBrush(bord), std::max(0.8, 0.05 * s)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rt, rt);
    }

    // Marbles: lit from the upper left with a white highlight.
    const qreal rb = 0.36 * s;
    const QColor base = teinte(a.bille);
    for (int t = 1; t <= kNbTrous; ++t) {
        if (!(billes & trous & bit(t)))
            continue;
        const QPointF c = g.centre(t);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawEllipse(c + QPointF(0.1 * rb, 0.14 * rb), rb, rb);
        QRadialGradient sphere(c, rb, c + QPointF(-0.4 * rb, -0.45 * rb));
        sphere.setColorAt(0.0, base.lighter(175));
        sphere.setColorAt(0.35, base);
        sphere.setColorAt(1.0, base.darker(260));
        p.setBrush(sphere);
        p.drawEllipse(c, rb, rb);
        QRadialGradient reflet(c + QPointF(-0.38 * rb, -0.42 * rb), 0.38 * rb);
        reflet.setColorAt(0.0, QColor(255, 255, 255, 230));
        reflet.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(reflet);
        p.drawEllipse(c + QPointF(-0.38 * rb, -0.42 * rb), 0.38 * rb, 0.38 * rb);
    }

    if (cible != 0 && (trous & bit(cible)))
        anneau(p, g.centre(cible), 0.43 * s, kOr, std::max(1.5, 0.09 * s));
    p.restore();
}

// ------------------------------------------------------------- the board

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
    QStringList parties{arg(t.trou, nom_trou(curseur_)),
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
                anneau(p, g.centre(c), 0.43 * s, kOr, std::max(1.2, 0.06 * s));
            p.setPen(QPen(QColor(120, 170, 255, 230), std::max(1.2, 0.06 * s), Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            for (int sym = 1; sym < 8; ++sym) {
                const int image = symetrique(sym, curseur_);
                if (image != curseur_)
                    p.drawEllipse(g.centre(image), 0.4 * s, 0.4 * s);
            }
        } else {
            for (int c : cibles_de(depart_)) {
                anneau(p, g.centre(c), 0.43 * s, kOr, std::max(1.2, (choisi_ && choisi_->cible == c ? 0.12 : 0.06) * s));
                const Probleme* pb = probleme_de(depart_, c);
                if (resolus_ && pb && resolus_->count(pb->id))
                    coche(p, g.centre(c) + QPointF(0.32 * s, -0.32 * s), 0.17 * s);
            }
        }
        if (curseur_ != 0)
            anneau(p, g.centre(curseur_), 0.49 * s, kBleu, std::max(2.0, 0.08 * s));
    }
    if (hasFocus() && focus_clavier_) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kBleu, 1, Qt::DotLine));
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

// ------------------------------------------------------------- the list

namespace {

enum RoleSup { RoleNiveau = TProblemes::RoleResolu + 1, RoleBilles, RoleCible, RoleDetail, RoleEtat };

class DelegueLigne : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    Apparence apparence;

    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        return {o.rect.width(), i.data(TProblemes::RoleGenre).toInt() == TProblemes::Titre ? 30 : 64};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QRect r = o.rect;
        if (i.data(TProblemes::RoleGenre).toInt() == TProblemes::Titre) {
            p->setFont(police_verdana(13, true));
            p->setPen(QColor(122, 59, 12));
            p->drawText(r.adjusted(8, 6, -6, -4), Qt::AlignLeft | Qt::AlignVCenter, i.data(Qt::DisplayRole).toString());
            p->setPen(QPen(QColor(217, 160, 102), 2));
            p->drawLine(r.left() + 8, r.bottom() - 1, r.right() - 8, r.bottom() - 1);
            p->restore();
            return;
        }
        const bool choisie = o.state & QStyle::State_Selected;
        if (choisie) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0.0, QColor(255, 244, 214));
            g.setColorAt(1.0, QColor(243, 214, 150));
            p->setPen(QPen(QColor(200, 150, 80), 1));
            p->setBrush(g);
            p->drawRoundedRect(QRectF(r).adjusted(3.5, 1.5, -3.5, -1.5), 7, 7);
            if (o.state & QStyle::State_HasFocus) {
                p->setPen(QPen(kBleu, 1, Qt::DotLine));
                p->setBrush(Qt::NoBrush);
                p->drawRoundedRect(QRectF(r).adjusted(5.5, 3.5, -5.5, -3.5), 5, 5);
            }
        }
        const QRectF vignette(r.left() + 8, r.top() + 4, 56, 56);
        const int32_t niveau = i.data(RoleNiveau).toInt();
        dessiner_plateau(*p, GeometriePlateau(niveau, vignette), i.data(RoleBilles).toULongLong(),
                         i.data(RoleCible).toInt(), apparence);
        const bool resolu = i.data(TProblemes::RoleResolu).toBool();
        if (resolu)
            coche(*p, vignette.topRight() + QPointF(-4, 5), 7);

        const int x = r.left() + 74;
        const int w = r.right() - x - 6;
        const QString nom = i.data(Qt::DisplayRole).toString();
        p->setPen(QColor(32, 32, 32));
        p->setFont(police_ajustee(police_arial(15, true), nom, w));
        p->drawText(QRect(x, r.top() + 6, w, 20), Qt::AlignLeft | Qt::AlignVCenter, nom);
        auto ligne = [&](int haut, const QString& texte, const QColor& couleur) {
            p->setFont(police_ajustee(police_arial(12), texte, w));
            p->setPen(couleur);
            p->drawText(QRect(x, r.top() + haut, w, 16), Qt::AlignLeft | Qt::AlignVCenter, texte);
        };
        ligne(26, i.data(RoleDetail).toString(), QColor(80, 80, 80));
        ligne(42, i.data(RoleEtat).toString(), resolu ? kVert.darker(120) : QColor(128, 128, 128));
        p->restore();
    }
};

} // namespace

// ------------------------------------------------------------- the dialog

TProblemes::TProblemes(int32_t langue, const Statistiques& stats, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      langue_(langue), stats_(stats)
{
    const TextesProblemes& t = textes_problemes(langue);
    setObjectName(QStringLiteral("problemes"));
    setWindowTitle(QString::fromStdString(t.titre));
    setFixedSize(640, 460);
    setModal(true);

    QWidget* panneau = panneau_uni(this, QRect(0, 0, 640, 436), QColor(kGrisPanneau));
    auto* titre = label_ombre(panneau, QRect(8, 6, 624, 32), police_verdana(24, true), QColor(0xFF, 0x00, 0x00));
    titre->setText(QString::fromStdString(t.titre).toUpper());

    liste = new QListWidget(panneau);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setGeometry(10, 44, 300, 384);
    liste->setAccessibleName(QString::fromStdString(t.nom_liste));
    liste->setFrameShape(QFrame::NoFrame);
    liste->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste->setItemDelegate(new DelegueLigne(liste));
    QPalette pal = liste->palette();
    pal.setColor(QPalette::Base, QColor(250, 246, 236));
    liste->setPalette(pal);
    liste->installEventFilter(this);

    plateau = new TPlateauChoix(langue, panneau);
    plateau->setGeometry(322, 40, 308, 308);
    plateau->setResolus(&resolus_);

    nom = label_ombre(panneau, QRect(322, 352, 308, 26), police_arial(18, true), QColor(0x00, 0x00, 0xFF));
    nom->setObjectName(QStringLiteral("nom"));
    auto ligne = [&](int haut, const QString& objet) {
        auto* l = new QLabel(panneau);
        l->setObjectName(objet);
        l->setGeometry(322, haut, 308, 20);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        l->setFont(police_arial(13));
        return l;
    };
    detail = ligne(382, QStringLiteral("detail"));
    etat = ligne(404, QStringLiteral("etat"));

    auto* barre = new TPanneauDegrade(true, this);
    barre->setGeometry(0, 436, 640, 24);
    auto* releve = new TPanneauDegrade(false, barre);
    releve->setGeometry(0, 0, 420, 24);
    auto bouton = [&](int gauche, const std::string& texte, const QString& objet) {
        auto* b = new TBoutonArrondi(barre);
        b->setObjectName(objet);
        b->setGeometry(gauche, 0, 110, 24);
        b->setText(QString::fromStdString(texte));
        b->setFont(police_arial(12, true));
        b->setCouleurTexte(Qt::black);
        b->setCouleurOmbre(Qt::white);
        b->setRelief(TBoutonArrondi::Relief::Ombre);
        b->setCursor(curseur(curseur_tophand_id));
        return b;
    };
    annuler = bouton(420, t.annuler, QStringLiteral("annuler"));
    jouer = bouton(530, t.jouer, QStringLiteral("jouer"));
    jouer->setImage(bille_verte());
    connect(annuler, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(jouer, &QAbstractButton::clicked, this, &TProblemes::lancer);
    setTabOrder(liste, plateau);
    setTabOrder(plateau, jouer);
    setTabOrder(jouer, annuler);

    connect(liste, &QListWidget::currentRowChanged, this, &TProblemes::ligne_courante);
    connect(liste, &QListWidget::itemDoubleClicked, this, [this] {
        if (courant_)
            lancer();
    });
    annonce = new TAnnonce(this);
    connect(plateau, &TPlateauChoix::changement, this, &TProblemes::actualiser);
    connect(plateau, &TPlateauChoix::valide, this, &TProblemes::lancer);
    remplir();
}

void TProblemes::setApparence(const Apparence& a)
{
    apparence_ = a;
    static_cast<DelegueLigne*>(liste->itemDelegate())->apparence = a;
    liste->viewport()->update();
    plateau->setApparence(a);
}

void TProblemes::remplir()
{
    const TextesProblemes& t = textes_problemes(langue_);
    const std::vector<Probleme>& tous = catalogue();
    series_.clear();
    liste->clear();
    for (int32_t niveau = 1; niveau <= 3; ++niveau) {
        auto* titre = new QListWidgetItem(QString::fromStdString(t.plateaux[niveau - 1]), liste);
        titre->setData(RoleGenre, Titre);
        titre->setFlags(Qt::NoItemFlags);
        std::map<std::string, std::size_t> groupes;
        for (std::size_t i = 0; i < tous.size(); ++i) {
            const Probleme& p = tous[i];
            if (p.niveau != niveau)
                continue;
            if (!p.groupe.empty()) {
                const auto [place, nouveau] = groupes.try_emplace(p.groupe, series_.size());
                if (nouveau)
                    series_.emplace_back();
                series_[place->second].push_back(&p);
                if (!nouveau)
                    continue;
            }
            auto* item = new QListWidgetItem(liste);
            item->setData(RoleGenre, p.groupe.empty() ? UnProbleme : UneSerie);
            item->setData(RoleIndex, static_cast<int>(p.groupe.empty() ? i : groupes[p.groupe]));
            item->setData(RoleNiveau, p.niveau);
            item->setData(RoleBilles, QVariant::fromValue<qulonglong>(p.billes));
            item->setData(RoleCible, p.groupe.empty() ? p.cible : 0);
        }
    }
    marquer();
    liste->setCurrentRow(1);
}

void TProblemes::marquer()
{
    const TextesProblemes& t = textes_problemes(langue_);
    const std::string prefixe = cle_probleme("");
    resolus_.clear();
    for (const auto& [cle, s] : stats_.tout())
        if (s.gagnees > 0 && cle.rfind(prefixe, 0) == 0)
            resolus_.insert(cle.substr(prefixe.size()));

    const std::vector<Probleme>& tous = catalogue();
    for (int row = 0; row < liste->count(); ++row) {
        QListWidgetItem* item = liste->item(row);
        const int genre = item->data(RoleGenre).toInt();
        if (genre == Titre)
            continue;
        const int index = item->data(RoleIndex).toInt();
        QString nom_ligne, detail_ligne, etat_ligne;
        bool resolu = false;
        if (genre == UnProbleme) {
            const Probleme& p = tous[static_cast<std::size_t>(index)];
            nom_ligne = nom_probleme(p, langue_);
            detail_ligne = texte_n(langue_, "problemes.billes", nb_billes(p)).arg(nb_billes(p)) + texte(langue_, "problemes.separateur")
                + (p.cible ? arg(t.finir_en, nom_trou(p.cible)) : QString::fromStdString(t.finir_partout));
            const StatsJeu s = stats_.stats(cle_probleme(p.id));
            resolu = s.gagnees > 0;
            etat_ligne = resolu && s.meilleur_temps >= 0 ? arg(t.resolu, QString::fromStdString(duree(s.meilleur_temps)))
                                                         : QString::fromStdString(t.pas_resolu);
        } else {
            const auto& serie = series_[static_cast<std::size_t>(index)];
            const auto n = std::count_if(serie.begin(), serie.end(), [&](const Probleme* p) { return resolus_.count(p->id) > 0; });
            nom_ligne = nom_groupe(*serie.front(), langue_);
            detail_ligne = texte_n(langue_, "problemes.serie", static_cast<int>(serie.size())).arg(QString::number(serie.size()), QString::number(n));
            resolu = n == static_cast<long>(serie.size());
            etat_ligne = QString::fromStdString(un_seul_depart(serie) ? t.choisir_cible : t.choisir_depart);
        }
        item->setData(Qt::DisplayRole, nom_ligne);
        item->setData(RoleDetail, detail_ligne);
        item->setData(RoleEtat, etat_ligne);
        item->setData(RoleResolu, resolu);
        item->setData(Qt::AccessibleTextRole, QStringList{nom_ligne, detail_ligne, etat_ligne}.join(QStringLiteral(", ")));
    }
}

void TProblemes::ligne_courante()
{
    QListWidgetItem* item = liste->currentItem();
    if (!item)
        return;
    const int index = item->data(RoleIndex).toInt();
    switch (item->data(RoleGenre).toInt()) {
    case UnProbleme: plateau->montrer(&catalogue()[static_cast<std::size_t>(index)]); break;
    case UneSerie: plateau->choisir(series_[static_cast<std::size_t>(index)]); break;
    default: break;
    }
}

void TProblemes::actualiser()
{
    const TextesProblemes& t = textes_problemes(langue_);
    courant_ = plateau->choisi();
    if (courant_) {
        nom->setText(nom_probleme(*courant_, langue_));
        detail->setText(texte_n(langue_, "problemes.billes", nb_billes(*courant_)).arg(nb_billes(*courant_)) + texte(langue_, "problemes.separateur")
                        + (courant_->cible ? arg(t.finir_en, nom_trou(courant_->cible))
                                           : QString::fromStdString(t.finir_partout)));
        const StatsJeu s = stats_.stats(cle_probleme(courant_->id));
        etat->setText(s.gagnees > 0 && s.meilleur_temps >= 0 ? arg(t.resolu, QString::fromStdString(duree(s.meilleur_temps)))
                                                             : QString::fromStdString(t.pas_resolu));
    } else if (plateau->en_choix()) {
        const QListWidgetItem* item = liste->currentItem();
        nom->setText(item ? item->text() : QString());
        if (plateau->depart() == 0) {
            detail->setText(QString::fromStdString(t.choisir_depart));
            QStringList images;
            for (int s = 1; s < 8; ++s) {
                const QString n = nom_trou(symetrique(s, plateau->curseur()));
                if (symetrique(s, plateau->curseur()) != plateau->curseur() && !images.contains(n))
                    images << n;
            }
            etat->setText(images.isEmpty() ? QString() : arg(t.symetriques, images.join(QStringLiteral(", "))));
        } else {
            detail->setText(QString::fromStdString(t.choisir_cible));
            // A series with a single start has no other start to go back to.
            const QListWidgetItem* ligne = liste->currentItem();
            const bool seul = ligne && un_seul_depart(series_[static_cast<std::size_t>(ligne->data(RoleIndex).toInt())]);
            etat->setText(seul ? QString() : QString::fromStdString(t.autre_depart));
        }
    }
    // A change of the description alone is not spoken: each move and each
    // choice on the board is told as it is made.
    if (plateau->hasFocus() && plateau->en_choix() && !plateau->accessibleDescription().isEmpty()) {
        QStringList dit{plateau->accessibleDescription()};
        if (courant_)
            dit << nom->text() << detail->text();
        else
            dit << detail->text();
        const QString texte = dit.join(QStringLiteral(". "));
        if (texte != annonce->derniere())
            annonce->annoncer(texte);
    }
    nom->setFont(police_ajustee(police_arial(18, true), nom->text(), nom->width() - 4));
    etat->setFont(police_ajustee(police_arial(13), etat->text(), etat->width() - 4));
    jouer->setEnabled(courant_ != nullptr);
    jouer->setCouleurTexte(courant_ ? QColor(Qt::black) : QColor(150, 150, 150));
}

void TProblemes::lancer()
{
    if (!courant_)
        return;
    choisi_ = courant_;
    accept();
}

bool TProblemes::eventFilter(QObject* o, QEvent* e)
{
    if (o == liste && e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            if (plateau->en_choix() && !courant_)
                plateau->setFocus(Qt::TabFocusReason);
            else
                lancer();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TProblemes::showEvent(QShowEvent* e)
{
    // The statistics may have changed since the last showing.
    choisi_ = nullptr;
    marquer();
    liste->viewport()->update();
    actualiser();
    centrer_ecran(this);
    QDialog::showEvent(e);
    liste->setFocus(Qt::OtherFocusReason);
}

void TProblemes::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
}

} // namespace trelmo
