#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "stats/LineRecord.h"

namespace zq {

class HistoryStore;

// What the adaptive drill keeps in the practice history and reads from it.
// Names are UTF-8, as the history keeps them; user names match without
// regard to ASCII case.

// How many keys of the course's order the drill has in play for the user
// on the course; 0 before the user's first adaptive line there.
std::int32_t ReadKeysInPlay(HistoryStore& store, std::string_view user, std::string_view course);
void WriteKeysInPlay(HistoryStore& store, std::string_view user, std::string_view course,
                     std::int32_t keysInPlay);

// The keys of the user's latest lines on the course, in any drill, newest
// line first, at most `lines` lines.
std::vector<std::vector<KeyTally>> RecentLineKeys(HistoryStore& store, std::string_view user,
                                                  std::string_view course, std::size_t lines);

}  // namespace zq
