#include "base/Utf8Char.h"

namespace zq {

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return;
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

}  // namespace zq
