#include "dialogs/dessin_plateau.h"

#include "game/grille.h"
#include "game/problemes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace trelmo {

namespace {

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

} // namespace

void anneau_plateau(QPainter& p, const QPointF& c, qreal rayon, const QColor& couleur, qreal epaisseur)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 150), epaisseur + 1.5));
    p.drawEllipse(c, rayon, rayon);
    p.setPen(QPen(couleur, epaisseur));
    p.drawEllipse(c, rayon, rayon);
}

// A small green badge with a white tick.
void coche_resolu(QPainter& p, const QPointF& c, qreal r)
{
    p.setPen(QPen(QColor(255, 255, 255), std::max(1.0, r * 0.25)));
    p.setBrush(kVertResolu);
    p.drawEllipse(c, r, r);
    QPainterPath v;
    v.moveTo(c + QPointF(-0.5 * r, 0.0));
    v.lineTo(c + QPointF(-0.12 * r, 0.42 * r));
    v.lineTo(c + QPointF(0.52 * r, -0.4 * r));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, std::max(1.2, r * 0.32), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
}

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
        anneau_plateau(p, g.centre(cible), 0.43 * s, kOrCible, std::max(1.5, 0.09 * s));
    p.restore();
}

} // namespace trelmo
