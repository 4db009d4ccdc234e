#include "storage/entier.h"

namespace trelmo {

std::optional<int32_t> entier_depuis_texte(std::string_view t)
{
    bool negatif = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negatif = t.front() == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (!t.empty() && t.front() == '$') {
        base = 16;
        t.remove_prefix(1);
    } else if (t.size() >= 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty())
        return std::nullopt;

    const uint64_t limite = base == 16 ? 0xFFFFFFFFull : (negatif ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t valeur = 0;
    for (const char c : t) {
        int chiffre;
        if (c >= '0' && c <= '9')
            chiffre = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            chiffre = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            chiffre = c - 'A' + 10;
        else
            return std::nullopt;
        valeur = valeur * static_cast<uint64_t>(base) + static_cast<uint64_t>(chiffre);
        if (valeur > limite)
            return std::nullopt;
    }
    auto resultat = static_cast<uint32_t>(valeur);
    if (negatif)
        resultat = 0u - resultat;
    return static_cast<int32_t>(resultat);
}

} // namespace trelmo
