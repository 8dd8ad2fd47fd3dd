#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zq {

// The game window's table of the five best scores of a run. Each entry is a
// score written with at least six digits ("001500", "-000012");
// duplicates are allowed.
class GameScoreTable {
public:
    static constexpr std::size_t kEntries = 5;

    // Five "000000" entries.
    GameScoreTable();

    // Back to five "000000" entries.
    void Reset();
    // A score greater than the lowest entry takes that entry's place (it is
    // removed and the new entry goes to the end); any other score changes
    // nothing. Comparing with the lowest entry, rather than with whichever
    // comes first, means that a good score is never turned away while a
    // poorer one stays in the table.
    void Add(std::int32_t score);
    // Highest first, by CompareScores.
    void Sort();

    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// A score as the table writes it: "%.6d".
std::string FormatScore(std::int32_t score);

// Below zero when entry `a` belongs before entry `b` (a is the higher score),
// above zero when after, zero when they are equal. Entries are compared by
// their values, so that negative and seven-digit scores sort where they
// belong too.
int CompareScores(const std::string& a, const std::string& b);

}  // namespace zq
