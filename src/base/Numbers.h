#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zq {

// The one integer syntax of the program's files: optional leading spaces, an
// optional sign "+" or "-", then decimal digits (the value must fit a 32-bit
// signed integer) or hexadecimal digits after "$", "0x", "0X", "x" or "X"
// (the value must fit 32 bits and is taken as a 32-bit pattern, so
// "$FFFFFFFF" is -1). Nothing may follow the digits.
std::optional<std::int32_t> TryParseInt32(std::string_view text);

// The same syntax without the hexadecimal forms.
std::optional<std::int32_t> TryParseDecimalInt32(std::string_view text);

// TryParseInt32, raising "'%s' is not a valid integer value" on failure.
std::int32_t ParseInt32(std::string_view text);

// TryParseInt32, giving `fallback` on failure.
std::int32_t ParseInt32Or(std::string_view text, std::int32_t fallback);

// a + b, held at the 32-bit limits instead of wrapping around (a total of
// milliseconds stays the largest value rather than turning negative).
std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b);

}  // namespace zq
