#include "game/GameScores.h"

#include <algorithm>
#include <cstdio>

#include "base/Numbers.h"

namespace zq {
namespace {

// Entries are written by FormatScore; anything else (which the table never
// holds) counts as the lowest score there is.
std::int64_t ValueOf(const std::string& entry) {
    const std::optional<std::int32_t> value = TryParseDecimalInt32(entry);
    return value ? *value : std::int64_t{INT32_MIN} - 1;
}

}  // namespace

GameScoreTable::GameScoreTable() {
    Reset();
}

void GameScoreTable::Reset() {
    entries_.assign(kEntries, FormatScore(0));
}

void GameScoreTable::Add(std::int32_t score) {
    const auto lowest =
        std::min_element(entries_.begin(), entries_.end(),
                         [](const std::string& a, const std::string& b) { return ValueOf(a) < ValueOf(b); });
    if (score <= ValueOf(*lowest)) return;
    entries_.erase(lowest);
    entries_.push_back(FormatScore(score));
}

void GameScoreTable::Sort() {
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const std::string& a, const std::string& b) { return CompareScores(a, b) < 0; });
}

std::string FormatScore(std::int32_t score) {
    char text[16];
    std::snprintf(text, sizeof text, "%.6d", score);
    return text;
}

int CompareScores(const std::string& a, const std::string& b) {
    const std::int64_t valueA = ValueOf(a);
    const std::int64_t valueB = ValueOf(b);
    if (valueA == valueB) return 0;
    return valueA > valueB ? -1 : 1;
}

}  // namespace zq
