#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zq {

// One Unicode character in UTF-8, both ways: the program's one encoder and
// one decoder of UTF-8.

// The UTF-8 bytes of one Unicode character; empty for a value that is not a
// character (a surrogate or above U+10FFFF).
std::string Utf8OfChar(char32_t ch);

// Appends the UTF-8 bytes of one character (nothing for a non-character).
void AppendUtf8(std::string& out, char32_t ch);

// Decodes the character whose UTF-8 bytes start at `at` in `text` into `ch`
// and moves `at` past them. False, with `at` and `ch` as they were, when the
// bytes there are not the shortest UTF-8 of a character (a stray or missing
// continuation byte, an overlong form, a surrogate, a value above U+10FFFF).
bool DecodeUtf8(std::string_view text, std::size_t& at, char32_t& ch);

}  // namespace zq
