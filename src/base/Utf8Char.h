#pragma once

#include <string>

namespace zq {

// The UTF-8 bytes of one Unicode character; empty for a value that is not a
// character (a surrogate or above U+10FFFF).
std::string Utf8OfChar(char32_t ch);

}  // namespace zq
