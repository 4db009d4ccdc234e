// bench_ecran: what the pictures for a high-resolution screen cost the game
// when it takes them: for each ratio, the time to load every marble of a
// skin and the skin, the cursors and the small pictures, and the memory
// their pixels hold; the balloon drawn at the ratio, in milliseconds.
#include "resources/ressources.h"
#include "widgets/dessin_bulle.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

using namespace trelmo;

namespace {

qint64 octets(const QPixmap& p) { return p.isNull() ? 0 : qint64(p.width()) * p.height() * p.depth() / 8; }

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    initialiser_ressources();
    {
        // The fonts are set up by the first text drawn.
        QImage chauffe(100, 60, QImage::Format_RGB32);
        THintSettings h;
        h.W = 100;
        h.H = 60;
        h.text = QStringLiteral("x");
        DrawHint(chauffe, h);
    }
    std::printf("ratio  pictures(ms)  pixels(KB)  skin(ms)  skin(KB)  balloon(ms)\n");
    for (qreal r : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        QElapsedTimer t;
        t.start();
        qint64 taille = 0;
        for (int m = 1; m <= 7; ++m)
            taille += octets(bille(1, m, r));
        for (int id : {curseur_main_id, curseur_deplace_id, curseur_impossible_id, curseur_tophand_id})
            taille += octets(curseur(id, r).pixmap());
        taille += octets(titre_splash(r)) + octets(cliquez_ici(r)) + octets(bille_verte(r));
        const double images = t.nsecsElapsed() / 1e6;
        t.restart();
        const QPixmap p = peau(1, r);
        const double ms_peau = t.nsecsElapsed() / 1e6;
        THintSettings h;
        h.W = 423;
        h.H = 124;
        h.TH = 18;
        h.text = QStringLiteral("Loading the last game saved");
        QImage fond(qRound(h.W * r), qRound(h.H * r), QImage::Format_RGB32);
        fond.fill(Qt::darkGreen);
        t.restart();
        DrawHintAt(fond, h, r);
        const double ms_bulle = t.nsecsElapsed() / 1e6;
        std::printf("%5.2f  %12.2f  %10lld  %8.2f  %8lld  %11.2f\n", r, images, taille / 1024, ms_peau,
                    octets(p) / 1024, ms_bulle);
    }
    return 0;
}
