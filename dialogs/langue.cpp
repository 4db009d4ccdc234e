#include "dialogs/langue.h"

#include "game/textes.h"

#include <cstdlib>

namespace trelmo {

std::string abreviation_locale(std::string_view locale)
{
    const size_t fin = locale.find_first_of("_.@");
    std::string langue(locale.substr(0, fin));
    if (langue == "C" || langue == "POSIX")
        return {};
    return langue;
}

std::string abreviation_systeme()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valeur = std::getenv(variable);
        if (valeur && *valeur)
            return abreviation_locale(valeur);
    }
    return {};
}

int32_t langue_systeme()
{
    return index_langue(abreviation_systeme());
}

} // namespace trelmo
