#pragma once
// The interface language, read once from the system's locale settings.
#include <cstdint>
#include <string>
#include <string_view>

namespace trelmo {

// Language part of a locale name: "fr_FR.UTF-8" -> "fr", "de_AT" -> "de",
// "fra" -> "fra"; "C", "POSIX" and an empty name -> "".
std::string abreviation_locale(std::string_view locale);

// Language of the first non-empty of LC_ALL, LC_MESSAGES and LANG, as
// abreviation_locale() gives it; "" when none is set.
std::string abreviation_systeme();

// Interface language index (0 French, 1 English, 2 German) of the system.
int32_t langue_systeme();

} // namespace trelmo
