#pragma once
// Windows-1252, the code page of every short string in the stored files.
#include <string>
#include <string_view>

namespace trelmo {

// UTF-8 -> Windows-1252, one byte per character. A character the code page
// cannot hold, and every byte of a malformed UTF-8 sequence, becomes '?'.
// The five byte values that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) come back from the C1 controls U+0081, U+008D, U+008F, U+0090
// and U+009D, so every byte string survives depuis_cp1252 then vers_cp1252.
std::string vers_cp1252(std::string_view utf8);

// Windows-1252 -> UTF-8, for all 256 byte values (see above for the five
// undefined ones).
std::string depuis_cp1252(std::string_view octets);

} // namespace trelmo
