#pragma once
// The pictures of the game, drawn by code.
#include "calque.h"

#include <QImage>
#include <QPoint>

namespace trelmo::art {

// Every picture is drawn for k device pixels to a window pixel (1 the
// window's own size; 1.25, 1.5, 2 or 3 on a high-resolution screen): its
// geometry stays in window pixels, its detail follows the device. A side of
// n window pixels becomes round(n k) device pixels.
inline constexpr float echelles[] = {1.25f, 1.5f, 2.f, 3.f};

struct Peau {
    QImage image;      // 640 x 462 at k = 1, the full window picture
    Toile fond_bille;  // 21 x 22 at k = 1: what the skin shows under a sprite's top-left corner
};

// Skin s (1 orange-brown wood, 2 olive felt, 3 grey stone, 4 reddish leather).
Peau peau(int s, float k = 1.f);

// Marble m (1 to 7) over the background of its skin (fond_bille of the skin
// drawn at the same k), true colour.
QImage bille_couleur(const Toile& fond, int m, float k = 1.f);
// The same reduced to 8 bits with a palette of 256 colours.
QImage bille(const Toile& fond, int m, float k = 1.f);

// Colour reduction by median cut followed by a few k-means passes; pure white
// is kept exactly when the picture has it. Pixels whose alpha is below one
// half become the transparent entry 0 when transparence is set.
QImage reduire(const QImage& image, int couleurs, bool transparence);

struct Curseur {
    QImage image;  // 32 x 32 at k = 1, black, white and transparent
    QPoint point;  // hot spot, in pixels of the 32 x 32 cursor
};
Curseur curseur_main(float k = 1.f);
Curseur curseur_deplace(float k = 1.f);
Curseur curseur_impossible(float k = 1.f);
Curseur curseur_tophand(float k = 1.f);

QImage icone(int taille);        // true colour with alpha
QImage icone_16_couleurs();      // 32 x 32, 16-colour palette with transparency
QImage titre_splash(float k = 1.f);   // 196 x 50 at k = 1
QImage cliquez_ici(float k = 1.f);    // 176 x 32 at k = 1
QImage granite(float k = 1.f);        // 96 x 96 at k = 1, tiles seamlessly
QImage bille_verte(float k = 1.f);    // 20 x 20 at k = 1, with alpha

} // namespace trelmo::art
