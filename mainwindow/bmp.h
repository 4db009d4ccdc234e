#pragma once
// The skins are 24-bit Windows bitmaps: read straight into the screen's 32-bit
// format, row by row, without going through an image plugin.
#include <QImage>
#include <QString>

namespace trelmo {

// The picture of a BMP file; a null image when the file cannot be read.
// 24-bit uncompressed files are read directly, any other through Qt's reader.
QImage lire_bmp(const QString& chemin);

// Whether the file can be opened and starts like a bitmap: checked at start-up
// for the skins that are decoded later, on first use.
bool bmp_lisible(const QString& chemin);

} // namespace trelmo
