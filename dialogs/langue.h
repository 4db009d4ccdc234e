#pragma once
// The interface language, read once from the system's locale settings, and
// the translation catalogues (translations/trelmo_<code>.ts, compiled into
// the program). Each catalogue is one language; its position in
// codes_langues() is the language index the windows pass around.
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trelmo {

struct Probleme;

// Language part of a locale name: "fr_FR.UTF-8" -> "fr", "de_AT" -> "de",
// "fra" -> "fra"; "C", "POSIX" and an empty name -> "".
std::string abreviation_locale(std::string_view locale);

// Language of the first non-empty of LC_ALL, LC_MESSAGES and LANG, as
// abreviation_locale() gives it; "" when none is set.
std::string abreviation_systeme();

// The catalogues' codes: "fr", "en", "de" (indexes 0, 1, 2, as always), then
// the others in alphabetical order ("es", "it", "ja", ..., "zh_CN").
const std::vector<std::string>& codes_langues();

// Index of the catalogue a locale name asks for ("pt_BR.UTF-8", "nl", "zh_TW"
// -> the Chinese catalogue), or -1 when none fits.
int32_t langue_du_locale(std::string_view locale);

// Interface language index of the system: the first entry of LANGUAGE (a
// colon-separated list, heeded unless the locale is C) that has a catalogue,
// else the first non-empty of LC_ALL, LC_MESSAGES and LANG; English when none
// fits.
int32_t langue_systeme();

// The text `id` of a language's catalogue ("" when it holds none); an index
// without a catalogue reads English.
QString texte(int32_t langue, const char* id);

// The plural form of `id` that goes with the number n; its placeholders are
// left for the caller's arg().
QString texte_n(int32_t langue, const char* id, int n);

// One set of texts per catalogue, read once by `lire` (given the language
// index) on first use; an index without a catalogue gets English's.
template <class T, class Lire>
const T& par_langue(int32_t langue, Lire lire)
{
    static const std::vector<T> table = [&] {
        std::vector<T> v;
        for (std::size_t l = 0; l < codes_langues().size(); ++l)
            v.push_back(lire(static_cast<int32_t>(l)));
        return v;
    }();
    if (langue < 0 || static_cast<std::size_t>(langue) >= table.size())
        langue = 1;
    return table[static_cast<std::size_t>(langue)];
}

// A problem's name and its series' name in a language.
QString nom_probleme(const Probleme& p, int32_t langue);
QString nom_groupe(const Probleme& p, int32_t langue);

} // namespace trelmo
