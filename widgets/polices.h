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

// The family fontconfig answers for `famille`: the family itself where it is
// installed, its installed match otherwise. Asked once per family; asking
// the toolkit for a family that is not installed costs a search among all
// the fonts each time a new size or weight of it is drawn.
QString famille_installee(const QString& famille, QFont::StyleHint style = QFont::SansSerif);

// Reads the fonts' configuration and asks fontconfig for the four families
// now. The start-up does it in a thread of its own, beside the toolkit's
// start: reading the configuration takes about as long as that start.
void preparer_polices();

inline QFont police(const QString& famille, int pixels, bool gras = false,
                    QFont::StyleHint style = QFont::SansSerif)
{
    QFont f(famille_installee(famille, style));
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
