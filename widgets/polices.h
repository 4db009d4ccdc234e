#pragma once
// The font families the program draws with, and its point-to-pixel rule.
// Arial is drawn with Liberation Sans, Times New Roman with Liberation Serif,
// Verdana and MS Sans Serif with DejaVu Sans.
#include <QFont>
#include <QString>

namespace trelmo {

// Pixel height of a font size in points at 96 dots per inch, rounded.
inline int points_en_pixels(int points)
{
    return (points * 96 + 36) / 72;
}

inline QFont police(const QString& famille, int pixels, bool gras = false)
{
    QFont f(famille);
    f.setPixelSize(pixels > 0 ? pixels : 1);
    f.setBold(gras);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

inline QFont police_arial(int pixels, bool gras = false)
{
    return police(QStringLiteral("Liberation Sans"), pixels, gras);
}

inline QFont police_times(int pixels, bool gras = false)
{
    QFont f = police(QStringLiteral("Liberation Serif"), pixels, gras);
    f.setStyleHint(QFont::Serif);
    return f;
}

inline QFont police_verdana(int pixels, bool gras = false)
{
    return police(QStringLiteral("DejaVu Sans"), pixels, gras);
}

inline QFont police_ms_sans_serif(int pixels = 11, bool gras = false)
{
    return police(QStringLiteral("DejaVu Sans"), pixels, gras);
}

} // namespace trelmo
