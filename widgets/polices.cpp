#include "widgets/polices.h"

#include <map>
#include <mutex>
#include <utility>

#ifdef TRELMO_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace trelmo {

namespace {

std::mutex& verrou()
{
    static std::mutex m;
    return m;
}

std::map<std::pair<QString, bool>, QString>& connues()
{
    static std::map<std::pair<QString, bool>, QString> m;
    return m;
}

QString demander(const QString& famille, bool serif)
{
#ifdef TRELMO_FONTCONFIG
    const QByteArray nom = famille.toUtf8();
    FcPattern* motif = FcPatternCreate();
    if (!motif)
        return famille;
    FcPatternAddString(motif, FC_FAMILY, reinterpret_cast<const FcChar8*>(nom.constData()));
    FcPatternAddString(motif, FC_FAMILY, reinterpret_cast<const FcChar8*>(serif ? "serif" : "sans-serif"));
    FcConfigSubstitute(nullptr, motif, FcMatchPattern);
    FcDefaultSubstitute(motif);
    FcResult resultat = FcResultNoMatch;
    FcPattern* trouve = FcFontMatch(nullptr, motif, &resultat);
    QString reponse = famille;
    FcChar8* nom_trouve = nullptr;
    if (trouve && FcPatternGetString(trouve, FC_FAMILY, 0, &nom_trouve) == FcResultMatch && nom_trouve)
        reponse = QString::fromUtf8(reinterpret_cast<const char*>(nom_trouve));
    if (trouve)
        FcPatternDestroy(trouve);
    FcPatternDestroy(motif);
    return reponse;
#else
    (void)serif;
    return famille;
#endif
}

} // namespace

QString famille_installee(const QString& famille, QFont::StyleHint style)
{
    const auto cle = std::make_pair(famille, style == QFont::Serif);
    std::lock_guard l(verrou());
    auto& m = connues();
    const auto trouve = m.find(cle);
    if (trouve != m.end())
        return trouve->second;
    const QString reponse = demander(famille, cle.second);
    m.emplace(cle, reponse);
    return reponse;
}

void preparer_polices()
{
#ifdef TRELMO_FONTCONFIG
    FcInit();
#endif
    famille_installee(QStringLiteral("Verdana"));
    famille_installee(QStringLiteral("Arial"));
    famille_installee(QStringLiteral("Times New Roman"), QFont::Serif);
    famille_installee(QStringLiteral("MS Sans Serif"));
}

} // namespace trelmo
