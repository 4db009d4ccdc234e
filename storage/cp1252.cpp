#include "storage/cp1252.h"

#include <array>
#include <cstdint>

namespace trelmo {

namespace {

// Characters of bytes 0x80-0x9F; the undefined ones stand for themselves.
constexpr std::array<char32_t, 32> kC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void ajoute_utf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char octet_pour(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < kC1.size(); ++i)
        if (kC1[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 character at s[i]; returns its length in bytes, or 0
// when the sequence is malformed (overlong forms, surrogates and values
// beyond U+10FFFF included).
size_t decode(std::string_view s, size_t i, char32_t& c)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    size_t n;
    char32_t min;
    if (b0 < 0x80) { c = b0; return 1; }
    if ((b0 & 0xE0) == 0xC0) { n = 2; c = b0 & 0x1F; min = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { n = 3; c = b0 & 0x0F; min = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { n = 4; c = b0 & 0x07; min = 0x10000; }
    else return 0;
    if (i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

std::string vers_cp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const size_t n = decode(utf8, i, c);
        if (n == 0) {
            out += '?';
            ++i;
        } else {
            out += octet_pour(c);
            i += n;
        }
    }
    return out;
}

std::string depuis_cp1252(std::string_view octets)
{
    std::string out;
    out.reserve(octets.size() * 2);
    for (const char ch : octets) {
        const auto b = static_cast<unsigned char>(ch);
        ajoute_utf8(out, (b >= 0x80 && b < 0xA0) ? kC1[b - 0x80] : char32_t{b});
    }
    return out;
}

} // namespace trelmo
