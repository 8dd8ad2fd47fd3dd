#include "base/Utf8Char.h"

namespace zq {
namespace {

bool IsCharacter(char32_t ch) {
    return ch <= 0x10FFFF && (ch < 0xD800 || ch > 0xDFFF);
}

}  // namespace

void AppendUtf8(std::string& out, char32_t ch) {
    if (!IsCharacter(ch)) return;
    const auto byte = [&](char32_t value) { out += static_cast<char>(value); };
    if (ch < 0x80) {
        byte(ch);
    } else if (ch < 0x800) {
        byte(0xC0 | ch >> 6);
        byte(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        byte(0xE0 | ch >> 12);
        byte(0x80 | (ch >> 6 & 0x3F));
        byte(0x80 | (ch & 0x3F));
    } else {
        byte(0xF0 | ch >> 18);
        byte(0x80 | (ch >> 12 & 0x3F));
        byte(0x80 | (ch >> 6 & 0x3F));
        byte(0x80 | (ch & 0x3F));
    }
}

std::string Utf8OfChar(char32_t ch) {
    std::string out;
    AppendUtf8(out, ch);
    return out;
}

bool DecodeUtf8(std::string_view text, std::size_t& at, char32_t& ch) {
    if (at >= text.size()) return false;
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ch = lead;
        ++at;
        return true;
    }
    // The lead byte tells how many continuation bytes follow.
    std::size_t continuations = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        value = lead & 0x1F;
        continuations = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        value = lead & 0x0F;
        continuations = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        value = lead & 0x07;
        continuations = 3;
    } else {
        return false;
    }
    if (continuations >= text.size() - at) return false;
    for (std::size_t k = 1; k <= continuations; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if ((byte & 0xC0) != 0x80) return false;
        value = value << 6 | (byte & 0x3F);
    }
    // The smallest value of each length: anything less is an overlong form.
    static constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
    if (value < kShortest[continuations] || !IsCharacter(value)) return false;
    ch = value;
    at += continuations + 1;
    return true;
}

}  // namespace zq
