#include "base/Numbers.h"

#include <algorithm>

#include "base/CodePage.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::optional<std::int32_t> Parse(std::string_view text, bool allowHex) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    int base = 10;
    if (allowHex) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("$") || rest.starts_with("x") || rest.starts_with("X")) {
            base = 16;
            i += 1;
        } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
            base = 16;
            i += 2;
        }
    }
    if (i >= text.size()) return std::nullopt;

    // Decimal values may reach 2^31 only as -2^31; hexadecimal values are
    // 32-bit patterns.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    const auto pattern = static_cast<std::uint32_t>(negative ? 0 - value : value);
    return static_cast<std::int32_t>(pattern);
}

}  // namespace

std::optional<std::int32_t> TryParseInt32(std::string_view text) {
    return Parse(text, true);
}

std::optional<std::int32_t> TryParseDecimalInt32(std::string_view text) {
    return Parse(text, false);
}

std::int32_t ParseInt32(std::string_view text) {
    const auto value = TryParseInt32(text);
    // The text is 8-bit text of the code page; messages are UTF-8.
    if (!value) throw InvalidIntegerError(ToUtf8(text));
    return *value;
}

std::int32_t ParseInt32Or(std::string_view text, std::int32_t fallback) {
    return TryParseInt32(text).value_or(fallback);
}

std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace zq
