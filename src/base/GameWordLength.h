#pragma once

#include <cstddef>

namespace zq {

// The longest word the game drops, in characters: the game refuses a word
// file that holds a longer one, and the course checker reports it. A word's
// letters stand side by side in cells as wide as the game's letter size: a
// screen 800 pixels wide holds 33 of them at the large print of Easy reading
// (24), a 1024-pixel one 42; a longer word would run off the playing area.
// The longest word of a shipped course has 20.
inline constexpr std::size_t kLongestGameWord = 30;

}  // namespace zq
