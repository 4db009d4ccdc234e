#pragma once
// What a screen reader sees of the main window: the board as a group of
// holes (only the holes in play), each named by its place and state; the text
// buttons as push buttons named by their caption with their hint as
// description; the counters by what they count; and a notification that
// speaks each jump, undo, hint and end of game.
#include "widgets/annonce.h"

#include <QRect>
#include <QString>
#include <QWidget>

namespace trelmo {

// What the board's accessible elements ask of the window.
class ISourceAccessible {
public:
    virtual ~ISourceAccessible() = default;
    virtual bool trou_expose(int n) const = 0;      // hole n is in play
    virtual QString nom_trou(int n) const = 0;      // "Column 5, row 3: marble, can jump"
    virtual QString nom_plateau() const = 0;
    virtual int trou_focus() const = 0;             // the keyboard cursor's hole, 0 when none
    virtual void activer_trou(int n) = 0;           // as a click on the hole
};

// Installs the program's accessibility factory (once).
void installer_accessibilite();

// The board's layer reports its holes through this source.
void definir_source_accessible(QWidget* plateau, ISourceAccessible* source);

// The names of the holes changed (a jump, an undo, a new board).
void signaler_plateau_change(QWidget* plateau);
// The keyboard cursor moved: focus follows it when the board has the focus.
void signaler_focus_trou(QWidget* plateau, int n);

} // namespace trelmo
