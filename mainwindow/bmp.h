#pragma once
// The skins are 24-bit Windows bitmaps: read straight into a 24-bit picture,
// without going through an image plugin or a pixel converter. They stay in
// 24 bits, a quarter less memory than the screen's 32, and draw about as fast.
#include <QImage>
#include <QString>

namespace trelmo {

// The picture of a BMP file; a null image when the file cannot be read.
// 24-bit uncompressed files give a Format_RGB888 picture, read directly;
// any other kind of bitmap goes through Qt's reader, unless `lecteur_qt` is
// false (a thread that runs before the application object exists).
QImage lire_bmp(const QString& chemin, bool lecteur_qt = true);

// Whether the file can be opened and starts like a bitmap: checked at start-up
// for the skins that are decoded later, on first use.
bool bmp_lisible(const QString& chemin);

} // namespace trelmo
