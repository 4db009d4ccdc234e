#pragma once
// The one INI preference: whether the about window and the web site are
// skipped at exit. Section "[Propriétés]", key "apropos", value "1" or "0".
#include <string>

namespace trelmo {

// $XDG_CONFIG_HOME/trelmo.ini when that variable holds an absolute path,
// else $HOME/.config/trelmo.ini (the user database's home when HOME is unset).
std::string chemin_ini();

// The value under [Propriétés] apropos: decimal, $hex or 0x hex, any non-zero
// integer is true. Section and key match without regard to case. Never throws;
// a missing or unreadable file, section or key, or a non-integer, gives false.
// Called once at start-up, it also removes the temporary file that a write
// killed half-way may have left beside the INI file.
bool lit_apropos(const std::string& chemin);

// Writes "1" or "0" under [Propriétés] apropos and keeps every other line of
// the file as it was. Creates the missing directories. The new file replaces
// the old one in a single rename, so a failed write leaves the old file whole.
// A symbolic link is followed: the file it names is written (created when
// missing) and the link stays.
// Throws Erreur("Impossible d'écrire dans trelmo.ini") when the write is refused.
void ecrit_apropos(const std::string& chemin, bool valeur);

} // namespace trelmo
