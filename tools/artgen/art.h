#pragma once
// The pictures of the game, drawn by code.
#include "calque.h"

#include <QImage>
#include <QPoint>

namespace trelmo::art {

struct Peau {
    QImage image;      // 640 x 462, the full window picture
    Toile fond_bille;  // 21 x 22: what the skin shows under a sprite's top-left corner
};

// Skin s (1 orange-brown wood, 2 olive felt, 3 grey stone, 4 reddish leather).
Peau peau(int s);

// Marble m (1 to 7) over the background of its skin, true colour.
QImage bille_couleur(const Toile& fond, int m);
// The same reduced to 8 bits with a palette of 256 colours.
QImage bille(const Toile& fond, int m);

// Colour reduction by median cut followed by a few k-means passes; pure white
// is kept exactly when the picture has it. Pixels whose alpha is below one
// half become the transparent entry 0 when transparence is set.
QImage reduire(const QImage& image, int couleurs, bool transparence);

struct Curseur {
    QImage image;  // 32 x 32, black, white and transparent
    QPoint point;  // hot spot
};
Curseur curseur_main();
Curseur curseur_deplace();
Curseur curseur_impossible();
Curseur curseur_tophand();

QImage icone(int taille);        // true colour with alpha
QImage icone_16_couleurs();      // 32 x 32, 16-colour palette with transparency
QImage titre_splash();           // 196 x 50
QImage cliquez_ici();            // 176 x 32
QImage granite();                // 96 x 96, tiles seamlessly
QImage bille_verte();            // 20 x 20 with alpha

} // namespace trelmo::art
