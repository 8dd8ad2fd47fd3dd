#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zq {

// The characters a course teaches, in the order its lines bring them in:
// each character other than blanks and control characters, where it first
// appears in the course file (8-bit text of the code page). Digits,
// punctuation, capitals and accented letters join the order where the
// course starts using them.
std::string CourseKeyOrder(const std::vector<std::string>& courseLines8);

// The adaptive drill never begins with fewer keys than this (the course's
// first line may bring in only two).
inline constexpr std::size_t kFewestFirstKeys = 4;

// How many keys of the order the adaptive drill begins with: those of the
// course's first line that has any, and at least kFewestFirstKeys (never
// more than the order has).
std::size_t FirstKeyCount(const std::vector<std::string>& courseLines8);

}  // namespace zq
