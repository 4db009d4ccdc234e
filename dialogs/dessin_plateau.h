#pragma once
// The boards of the Problems dialog drawn in the game's look: where their
// holes stand in a zone, the board with its marbles and finishing hole, and
// the marks drawn over it (rings, the solved badge).
#include "game/geometrie.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <cstdint>

namespace trelmo {

// The look of the drawn boards: the game's skin (1-4) and marble texture (1-7).
struct Apparence {
    int plateau = 1;
    int bille = 1;
};

// Where the holes of a board stand when it is drawn in `zone`: the board's
// square of cells (7 x 7 for the English and French boards, 9 x 9 for the
// 45-hole board) centred in the zone.
class GeometriePlateau {
public:
    GeometriePlateau(int32_t niveau, const QRectF& zone);
    QPointF centre(int trou) const;
    qreal pas() const { return pas_; }
    QPointF origine() const { return origine_; }   // top left corner of the first cell
    int trou_en(const QPointF& point) const;   // the hole under the point, 0 when none
    int32_t niveau() const { return niveau_; }

private:
    int32_t niveau_;
    int premiere_;   // grid column and row of the first cell drawn
    QPointF origine_;
    qreal pas_;
};

// Draws a board in the game's look: the wood, the holes, the marbles and a
// gold ring on the finishing hole (`cible` 0: none).
void dessiner_plateau(QPainter& p, const GeometriePlateau& g, std::uint64_t billes, int cible, const Apparence& a);

// The colours of the marks: the finishing hole, the keyboard's hole and the
// solved badge.
inline const QColor kOrCible(242, 196, 56);
inline const QColor kBleuCurseur(30, 95, 208);
inline const QColor kVertResolu(20, 140, 50);

// A ring of `couleur` on a dark outline, around a hole.
void anneau_plateau(QPainter& p, const QPointF& c, qreal rayon, const QColor& couleur, qreal epaisseur);

// A small green badge with a white tick.
void coche_resolu(QPainter& p, const QPointF& c, qreal r);

} // namespace trelmo
