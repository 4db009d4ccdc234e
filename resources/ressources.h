#pragma once
// The pictures compiled into the program: the 28 marble pictures, the four
// cursors, the window icon and the pictures of the splash screen, the about
// window, the balloon hints and the OK buttons.
// Beside them, the same pictures and the skins drawn for high-resolution
// screens (see the functions taking a ratio, below).
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace trelmo {

// Cursor identifiers.
inline constexpr int curseur_main_id = 150;        // open hand: this marble can jump
inline constexpr int curseur_deplace_id = 151;     // hand carrying a marble: it may land here
inline constexpr int curseur_impossible_id = 152;  // prohibition sign: it may not land here
inline constexpr int curseur_tophand_id = -1018;   // raised finger: clickable control

// Makes the compiled-in pictures available; safe to call more than once.
void initialiser_ressources();

// Marble picture bille<s><m>, 21 x 22, 8 bits per pixel: s the board texture
// (1-4), m the marble texture (1-7). A null pixmap when either is out of range.
QPixmap bille(int s, int m);

// The cursor registered under id, with its hot spot; Qt::ArrowCursor for 0,
// any unknown identifier, or a picture that cannot be loaded.
QCursor curseur(int id);

// Registers the raised-finger cursor before any window exists. Idempotent;
// curseur(curseur_tophand_id) works without it too.
void enregistrer_tophand();

QIcon icone();             // the window icon, red marble on a blue diamond
QPixmap titre_splash();    // 196 x 50, gold product name on white
QPixmap cliquez_ici();     // 176 x 32, gold "Cliquez ici" on white
QImage granite();          // 96 x 96 grey granite
QPixmap bille_verte();     // 20 x 20 green ball with transparent corners

// ---------------------------------------------------------------------------
// The same pictures for a screen of `ratio` device pixels to a window pixel
// (the window's devicePixelRatioF(), times its own scale when it is enlarged).
// At a ratio of 1 (or below) each gives exactly the picture above. Above 1,
// the picture drawn by the art generator for the smallest of 1.25, 1.5, 2 and
// 3 that is not below the ratio (3 beyond), carrying that device pixel ratio:
// drawn at the picture's size in window pixels, it fills the same place.
qreal echelle_art(qreal ratio);   // 1, 1.25, 1.5, 2 or 3

QPixmap bille(int s, int m, qreal ratio);
// The cursor registered under id drawn for the ratio, its picture carrying
// the ratio and its hot spot given in the 32 x 32 cursor's pixels, as Qt takes
// it for such a picture; curseur(id) at a ratio of 1.
QCursor curseur(int id, qreal ratio);
QIcon icone(qreal ratio);        // icone() with its 32 and 16 pixel sizes drawn for the ratio
QPixmap titre_splash(qreal ratio);
QPixmap cliquez_ici(qreal ratio);
QImage granite(qreal ratio);
QPixmap bille_verte(qreal ratio);

// Skin s (1-4) drawn for the ratio, 640 x 462 window pixels; a null pixmap
// at a ratio of 1, where the skin file of the program directory
// (Image/Skin/p<s>.bmp) stays the picture. Skins are drawn ahead of time up to
// 2; above, the one of 2, enlarged smoothly.
QPixmap peau(int s, qreal ratio);

} // namespace trelmo
