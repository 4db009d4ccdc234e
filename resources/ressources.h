#pragma once
// The pictures compiled into the program: the 28 marble pictures, the four
// cursors, the window icon and the pictures of the splash screen, the about
// window, the balloon hints and the OK buttons.
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

} // namespace trelmo
