#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

// How the progress window names a character (UTF-8): the character itself,
// or a word for those that do not show ("Space", "Enter", "Tab").
std::string KeyCaption(unsigned char code);

// "r typed for t: 14 times"
std::string ConfusionText(const Confusion& confusion);
// "q: 820 ms"
std::string SlowKeyText(const KeyTally& key);
// "q, z, p"
std::string KeyList(const std::vector<unsigned char>& codes);
// "3 h 25 m"
std::string PracticeDuration(std::int64_t milliseconds);

}  // namespace zq
