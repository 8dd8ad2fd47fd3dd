#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "stats/CourseWords.h"

namespace zq {

// How much more often than each other key in play the focus key comes in
// adaptive lines: a little over three, so that it comes at least three
// times as often whatever the words allow.
inline constexpr double kFocusWeight = 3.5;
// The length an adaptive line aims at.
inline constexpr std::size_t kAdaptiveLineLength = 60;

// The words an adaptive line may take: those of `words` (8-bit text) made
// only of the keys in play, shortest first, each once.
std::vector<std::string> UsableWords(const std::vector<std::string>& words, std::string_view keysInPlay);

// The same of a course's words: as words, its usable real words and the
// usable letter groups that hold a key in play no usable real word holds;
// as groups, its other usable letter groups.
CourseWords UsableWords(const CourseWords& words, std::string_view keysInPlay);

// A line of at most `target` characters of usable words (see UsableWords),
// one blank between them, chosen so that the keys in play come about
// equally often and the focus key kFocusWeight times as often as each of
// the others. A word comes again in a line only when it serves much
// better than the others, and never to fill up a line already three
// quarters long. When no
// usable word holds the focus key, three of it ("rrr") stand in as a word;
// without any usable word, three of each key in play do. `random` picks
// among words that serve equally well.
//
// Of usable course words (see UsableWords) the line takes the words; a
// letter group of the others only while the line holds the focus key too
// seldom, when the group holds it and serves the line's balance of keys
// much better than the best word, and at most three times a line.
std::string BuildAdaptiveLine(const CourseWords& usable, std::string_view keysInPlay, char focus,
                              std::mt19937& random, std::size_t target = kAdaptiveLineLength);

}  // namespace zq
