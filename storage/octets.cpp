#include "storage/octets.h"

#include "storage/cp1252.h"

#include <algorithm>
#include <cstring>

namespace trelmo {

std::string_view octets_chaine_courte(const uint8_t* slot, size_t capacite)
{
    const size_t longueur = std::min<size_t>(slot[0], capacite);
    return {reinterpret_cast<const char*>(slot + 1), longueur};
}

std::string lit_chaine_courte(const uint8_t* slot, size_t capacite)
{
    return depuis_cp1252(octets_chaine_courte(slot, capacite));
}

void ecrit_chaine_courte(uint8_t* slot, size_t capacite, std::string_view utf8)
{
    std::string octets = vers_cp1252(utf8);
    if (octets.size() > capacite)
        octets.resize(capacite);
    slot[0] = static_cast<uint8_t>(octets.size());
    std::memcpy(slot + 1, octets.data(), octets.size());
}

} // namespace trelmo
