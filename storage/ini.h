#pragma once
// The INI preferences, in section "[Propriétés]": "apropos", whether the
// about window and the web site are skipped at exit, and the player's other
// yes-or-no choices beside it. Values "1" or "0".
#include <optional>
#include <string>
#include <string_view>

namespace trelmo {

// $XDG_CONFIG_HOME/trelmo.ini when that variable holds an absolute path,
// else $HOME/.config/trelmo.ini (the user database's home when HOME is unset).
std::string chemin_ini();

// The value under [Propriétés] apropos: decimal, $hex or 0x hex, any non-zero
// integer is true. Section and key match without regard to case. Never throws;
// a missing or unreadable file (anything but a regular file, or one larger
// than kMaxTexte), section or key, or a non-integer, gives false.
// Called once at start-up, it also removes the temporary file that a write
// killed half-way may have left beside the INI file.
bool lit_apropos(const std::string& chemin);

// Writes "1" or "0" under [Propriétés] apropos and keeps every other line of
// the file as it was. Creates the missing directories. The new file replaces
// the old one in a single rename, so a failed write leaves the old file whole.
// A symbolic link is followed: the file it names is written (created when
// missing) and the link stays.
// Throws Erreur("Impossible d'écrire dans trelmo.ini") when the write is
// refused, also when the file in place cannot be read (it is then kept).
void ecrit_apropos(const std::string& chemin, bool valeur);

// Any other yes-or-no preference of the section, read and written like
// "apropos" (same rules, same errors), keeping every other line as it was.
bool lit_preference(const std::string& chemin, std::string_view cle);
void ecrit_preference(const std::string& chemin, std::string_view cle, bool valeur);

// A whole-number preference of the section, same rules: nothing when the
// file, the key or a number is missing.
std::optional<long long> lit_preference_entier(const std::string& chemin, std::string_view cle);
void ecrit_preference_entier(const std::string& chemin, std::string_view cle, long long valeur);

} // namespace trelmo
