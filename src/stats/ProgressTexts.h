#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

// How the progress window names a character (UTF-8): the character itself,
// or a word for those that do not show ("Space", "Enter", "Tab").
std::string KeyCaption(char32_t character);

// "r typed for t: 14 times"
std::string ConfusionText(const Confusion& confusion);
// "q: 820 ms"
std::string SlowKeyText(const KeyTally& key);
// "q, z, p"
std::string KeyList(const std::vector<char32_t>& characters);
// "3 h 25 m"
std::string PracticeDuration(std::int64_t milliseconds);

}  // namespace zq
