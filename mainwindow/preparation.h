#pragma once
// What the start-up prepares beside the toolkit's own start, in a thread of
// its own while the application object connects to the display: the fonts'
// configuration, then the skin the settings ask for, read and converted.
// On two cores this takes both off the start-up's path; the window takes
// the skin from here instead of reading it again.
#include <QImage>

#include <string>

namespace trelmo {

// The skin file of slot `i` (1-4) in the program directory `repertoire`
// (ending with '/').
std::string chemin_skin(const std::string& repertoire, int i);

// Starts the preparation for the program directory `repertoire`; once per
// process, later calls do nothing.
void lancer_preparation(const std::string& repertoire);

// Returns once the fonts are ready to be asked for: at once without a
// preparation under way.
void attendre_polices();

// The picture of the skin file `chemin`, if that is the file prepared
// (waiting for it if need be); handed out once. A null image otherwise, or
// when the file could not be read that way: the caller then reads the file.
QImage skin_preparee(const std::string& chemin);

// On a screen of more than one device pixel to a window pixel: the skin the
// settings ask for, drawn for that ratio, decoded in a thread of its own
// from the moment the application object knows the screen.
void preparer_skin_ecran(const std::string& repertoire, qreal ratio);
// That picture, if it is skin `slot` for `ratio` (waiting for it if need
// be); handed out once, a null image otherwise.
QImage skin_ecran_preparee(int slot, qreal ratio);

} // namespace trelmo
