#pragma once

// A text as the "Unicode" save of Windows editors writes it: a byte order
// mark, then UTF-16 code units, little endian unless asked otherwise.
#include <string>
#include <string_view>

namespace zq::test {

inline std::string Utf16Bytes(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace zq::test
