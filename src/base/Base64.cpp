#include "base/Base64.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zq {

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::int8_t kNotInAlphabet = -1;

constexpr std::array<std::int8_t, 256> kValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(kNotInAlphabet);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i)
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
    return values;
}();

// The text without its padding, or nothing when the padding is malformed.
std::optional<std::string_view> WithoutPadding(std::string_view text) {
    const std::size_t lastDigit = text.find_last_not_of('=');
    const std::size_t digits = lastDigit == std::string_view::npos ? 0 : lastDigit + 1;
    const std::size_t padding = text.size() - digits;
    if (padding == 0) return text;
    if (digits == 0 || padding > 2 || text.size() % 4 != 0) return std::nullopt;
    return text.substr(0, digits);
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, bytes.size() - at);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? static_cast<unsigned char>(bytes[at + i]) : 0u);
        for (std::size_t i = 0; i < 4; ++i)
            text += i <= count ? kAlphabet[group >> (18 - 6 * i) & 0x3F] : '=';
    }
    return text;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
    const std::optional<std::string_view> digits = WithoutPadding(text);
    // One character left over carries less than a byte.
    if (!digits || digits->size() % 4 == 1) return std::nullopt;
    std::string bytes;
    bytes.reserve(digits->size() / 4 * 3 + 2);
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (const char ch : *digits) {
        const std::int8_t value = kValues[static_cast<unsigned char>(ch)];
        if (value == kNotInAlphabet) return std::nullopt;
        bits = (bits << 6 | static_cast<std::uint32_t>(value)) & 0xFFFFFF;
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes += static_cast<char>(bits >> bitCount & 0xFF);
        }
    }
    return bytes;
}

}  // namespace zq
