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
// "th"
std::string PairCaption(char32_t first, char32_t second);
// "th: 420 ms"
std::string SlowPairText(const PairTally& pair);
// "th: 12 of 80 missed"
std::string MissedPairText(const PairTally& pair);
// "q, z, p"
std::string KeyList(const std::vector<char32_t>& characters);
// "th, ck, ou"
std::string PairList(const std::vector<PairTally>& pairs);
// "3 h 25 m 8 s"
std::string PracticeDuration(std::int64_t milliseconds);
// "Progress of Anna": languages that join the word before a name beginning
// with a vowel or h ("d'Anna" in French) have a form of their own for it.
std::string ProgressCaption(const std::string& userUtf8);
// A count as gettext's plural forms take it (a negative one as 0).
unsigned long PluralCount(std::int64_t count);
// "4 of them wrong", in the plural form of the count.
std::string WrongOfThem(std::int64_t wrong);

}  // namespace zq
