#pragma once
// The font families the program draws with, and its point-to-pixel rule.
// The families are asked for by the names the window layouts use; fontconfig
// answers with the installed match when a family is absent: Liberation Sans
// for Arial and Liberation Serif for Times New Roman (same metrics), DejaVu
// Sans for Verdana and MS Sans Serif. The style hint steers that choice
// towards a sans-serif or serif face.
#include <QFont>
#include <QString>

namespace trelmo {

// Pixel height of a font size in points at 96 dots per inch, rounded.
inline int points_en_pixels(int points)
{
    return (points * 96 + 36) / 72;
}

inline QFont police(const QString& famille, int pixels, bool gras = false,
                    QFont::StyleHint style = QFont::SansSerif)
{
    QFont f(famille);
    f.setPixelSize(pixels > 0 ? pixels : 1);
    f.setBold(gras);
    f.setStyleHint(style);
    return f;
}

inline QFont police_arial(int pixels, bool gras = false)
{
    return police(QStringLiteral("Arial"), pixels, gras);
}

inline QFont police_times(int pixels, bool gras = false)
{
    return police(QStringLiteral("Times New Roman"), pixels, gras, QFont::Serif);
}

inline QFont police_verdana(int pixels, bool gras = false)
{
    return police(QStringLiteral("Verdana"), pixels, gras);
}

inline QFont police_ms_sans_serif(int pixels = 11, bool gras = false)
{
    return police(QStringLiteral("MS Sans Serif"), pixels, gras);
}

} // namespace trelmo
