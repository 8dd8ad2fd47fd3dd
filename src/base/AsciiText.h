#pragma once

#include <string>
#include <string_view>

namespace zq {

// Comparison and trimming by the rules of the program's files: only ASCII
// letters compare without regard to case (8-bit letters of the code page
// compare byte for byte), and only spaces and tabs count as blanks.

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

std::string_view TrimBlanks(std::string_view text);

// The text with its ASCII capitals made small (a key for case-blind lookups).
std::string AsciiLower(std::string_view text);

}  // namespace zq
