#pragma once
// Little-endian integers and short strings inside the fixed-size records.
// A short string of capacity N takes N + 1 bytes: a length byte, then the
// characters in Windows-1252. A length byte above N (a damaged file) is read
// as N, so a reader never leaves its slot.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trelmo {

inline int32_t lit_i32(const uint8_t* p)
{
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8
                                | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

inline void ecrit_i32(uint8_t* p, int32_t valeur)
{
    const auto u = static_cast<uint32_t>(valeur);
    p[0] = static_cast<uint8_t>(u);
    p[1] = static_cast<uint8_t>(u >> 8);
    p[2] = static_cast<uint8_t>(u >> 16);
    p[3] = static_cast<uint8_t>(u >> 24);
}

inline int16_t lit_i16(const uint8_t* p)
{
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
}

inline void ecrit_i16(uint8_t* p, int16_t valeur)
{
    const auto u = static_cast<uint16_t>(valeur);
    p[0] = static_cast<uint8_t>(u);
    p[1] = static_cast<uint8_t>(u >> 8);
}

// The significant characters of the slot, in UTF-8.
std::string lit_chaine_courte(const uint8_t* slot, size_t capacite);
// The significant characters of the slot, as stored (Windows-1252).
std::string_view octets_chaine_courte(const uint8_t* slot, size_t capacite);
// Stores the text (UTF-8) cut to `capacite` characters. The bytes behind the
// new length keep what they held.
void ecrit_chaine_courte(uint8_t* slot, size_t capacite, std::string_view utf8);

} // namespace trelmo
