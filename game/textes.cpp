#include "game/textes.h"

namespace trelmo {

int32_t code_langue(std::string_view abreviation)
{
    std::string deux;
    for (char c : abreviation.substr(0, 2))
        deux += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (deux == "DE") return 2;
    if (deux == "ES") return 5;
    if (deux == "FR") return 3;
    if (deux == "IT") return 4;
    return 1;   // "EN" and everything else
}

int32_t langue_du_code(int32_t code)
{
    if (code == 3) return FRANCAIS;
    if (code == 2) return ALLEMAND;
    return ANGLAIS;
}

int32_t index_langue(std::string_view abreviation)
{
    return langue_du_code(code_langue(abreviation));
}

} // namespace trelmo
