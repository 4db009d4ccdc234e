#include "mainwindow/calque.h"

#include "widgets/garde.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trelmo {

namespace {

// The hole's recess is centred on the marble picture drawn at the sprite's corner.
constexpr qreal kCentreX = 10.5;
constexpr qreal kCentreY = 11.0;
constexpr int kPulsations = 40;        // 50 ms each: two seconds
constexpr qreal kRayon = 13.5;

// The light colour of the marks on each skin: warm on wood, cool on grey.
QColor clair(int skin)
{
    switch (skin) {
    case 2: return QColor(0xF6, 0xF0, 0xB8);
    case 3: return QColor(0xE6, 0xF3, 0xFF);
    case 4: return QColor(0xFF, 0xD2, 0x6E);
    default: return QColor(0xFF, 0xDC, 0x64);
    }
}

void anneau(QPainter& p, QPointF c, qreal r, const QColor& couleur, qreal epaisseur, int ombre)
{
    p.setBrush(Qt::NoBrush);
    if (ombre > 0) {
        p.setPen(QPen(QColor(0, 0, 0, ombre), epaisseur + 2.5));
        p.drawEllipse(c, r, r);
    }
    p.setPen(QPen(couleur, epaisseur));
    p.drawEllipse(c, r, r);
}

} // namespace

TCalque::TCalque(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("calque"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    pouls_.setInterval(50);
    connect(&pouls_, &QTimer::timeout, this, [this] {
        garde([this] {
            const QRect avant = rectSaut();
            if (++phase_ >= kPulsations) {
                pouls_.stop();
                saut_de_ = saut_vers_ = 0;
            }
            update(avant);
        });
    });
}

void TCalque::setPlaceTrou(int n, QPoint coin)
{
    if (n >= 1 && n <= 49)
        places_[static_cast<size_t>(n)] = coin;
}

QRect TCalque::rectTrou(int n) const
{
    if (n < 1 || n > 49)
        return {};
    return QRect(places_[static_cast<size_t>(n)], QSize(27, 27));
}

QPointF TCalque::centre(int trou) const
{
    const QPoint c = places_[static_cast<size_t>(trou)];
    return QPointF(c.x() + kCentreX, c.y() + kCentreY);
}

void TCalque::rafraichir(int trou)
{
    if (trou >= 1 && trou <= 49) {
        const QPointF c = centre(trou);
        const int r = int(kRayon) + 6;
        update(QRect(int(c.x()) - r, int(c.y()) - r, 2 * r + 2, 2 * r + 2));
    }
}

QRect TCalque::rectSaut() const
{
    if (saut_de_ == 0)
        return {};
    const int r = int(kRayon) + 8;
    const QPointF a = centre(saut_de_), b = centre(saut_vers_);
    return QRect(QPoint(int(std::min(a.x(), b.x())) - r, int(std::min(a.y(), b.y())) - r),
                 QPoint(int(std::max(a.x(), b.x())) + r, int(std::max(a.y(), b.y())) + r));
}

void TCalque::setSkin(int skin)
{
    if (skin != skin_) {
        skin_ = skin;
        update();
    }
}

void TCalque::setCurseur(int trou)
{
    if (trou == curseur_)
        return;
    rafraichir(curseur_);
    curseur_ = trou;
    rafraichir(curseur_);
}

void TCalque::setAtterrissages(const std::vector<int>& trous)
{
    if (trous == atterrissages_)
        return;
    for (int t : atterrissages_)
        rafraichir(t);
    atterrissages_ = trous;
    for (int t : atterrissages_)
        rafraichir(t);
}

void TCalque::setPrise(int trou)
{
    if (trou == prise_)
        return;
    rafraichir(prise_);
    prise_ = trou;
    rafraichir(prise_);
}

void TCalque::montrerSaut(int de, int vers)
{
    update(rectSaut());
    if (de < 1 || de > 49 || vers < 1 || vers > 49) {
        pouls_.stop();
        saut_de_ = saut_vers_ = 0;
        return;
    }
    saut_de_ = de;
    saut_vers_ = vers;
    phase_ = 0;
    pouls_.start();
    update(rectSaut());
}

void TCalque::setFocusBouton(const QRect& r)
{
    if (r == focus_)
        return;
    update(focus_.adjusted(-2, -2, 2, 2));
    focus_ = r;
    update(focus_.adjusted(-2, -2, 2, 2));
}

void TCalque::paintEvent(QPaintEvent*)
{
    garde([this] {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor lumiere = clair(skin_);

        // Landing holes: a discreet dashed ring.
        for (int t : atterrissages_) {
            QColor c = lumiere;
            c.setAlpha(170);
            QPen pen(c, 1.6, Qt::DashLine);
            pen.setDashPattern({3.0, 2.5});
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre(t), 12.0, 12.0);
        }

        // The held marble: a solid ring hugging it, inside the cursor's.
        if (prise_ != 0)
            anneau(p, centre(prise_), 10.0, lumiere, 2.0, 120);

        // The hinted jump: the marble pulses, a trail leads to its landing hole.
        if (saut_de_ != 0) {
            const qreal t = phase_ / qreal(kPulsations);
            const qreal battement = 0.5 + 0.5 * std::cos(phase_ * 2 * M_PI / 10.0);
            const int alpha = int(255 * std::min(1.0, 3.0 * (1.0 - t)));
            QColor c = lumiere;
            c.setAlpha(alpha);
            const QPointF a = centre(saut_de_), b = centre(saut_vers_);
            const QPointF u = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
            QPen trace(c, 2.2, Qt::DotLine, Qt::RoundCap);
            p.setPen(trace);
            p.drawLine(a + u * (kRayon + 2), b - u * (kRayon + 2));
            anneau(p, a, kRayon + 2.5 * battement, c, 2.6, alpha / 2);
            anneau(p, b, kRayon - 1, c, 1.8, alpha / 3);
        }

        // The keyboard cursor: a bright ring with a dark edge, readable on any skin.
        if (curseur_ != 0)
            anneau(p, centre(curseur_), kRayon, lumiere, 2.4, 150);

        // A button reached with Tab: a rounded frame around its plate.
        if (!focus_.isEmpty()) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0, 0, 0, 140), 3.0));
            p.drawRoundedRect(QRectF(focus_).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
            p.setPen(QPen(lumiere, 1.6));
            p.drawRoundedRect(QRectF(focus_).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        }
    });
}

} // namespace trelmo
