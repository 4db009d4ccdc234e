#pragma once
// Text to integer, as the restored chronometer and the INI value read it:
// an optional sign ('+' or '-'), then decimal digits, or '$' followed by
// hexadecimal digits, or "0x" / "0X" followed by hexadecimal digits.
// Nothing else is allowed, blanks included. Decimal values must fit in a
// signed 32-bit integer; hexadecimal ones may use all 32 bits (so $FFFFFFFF
// is -1). Empty answer when the text is not such an integer.
#include <cstdint>
#include <optional>
#include <string_view>

namespace trelmo {

std::optional<int32_t> entier_depuis_texte(std::string_view texte);

} // namespace trelmo
