#pragma once

#include <string>

namespace zq {

// The UTF-8 bytes of one Unicode character; empty for a value that is not a
// character (a surrogate or above U+10FFFF).
std::string Utf8OfChar(char32_t ch);

// Appends the UTF-8 bytes of one character (nothing for a non-character).
void AppendUtf8(std::string& out, char32_t ch);

}  // namespace zq
