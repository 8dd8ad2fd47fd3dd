#include "stats/PairRanking.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "stats/KeyRanking.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

PairTally Pair(char32_t first, char32_t second, std::int64_t typed, std::int64_t wrong, std::int64_t meanMs) {
    return {first, second, typed, wrong, typed - wrong, (typed - wrong) * meanMs};
}

std::vector<std::u32string> Captions(const std::vector<PairTally>& pairs) {
    std::vector<std::u32string> captions;
    for (const PairTally& pair : pairs) captions.push_back({pair.first, pair.second});
    return captions;
}

TEST(PairRankingTest, TheSlowestPairsComeFirstWithoutBlanksOrPairsTimedTooSeldom) {
    const std::vector<PairTally> pairs = {Pair('t', 'h', 80, 0, 180), Pair('c', 'k', 30, 0, 420),
                                          Pair('q', 'u', 4, 0, 900),  Pair('e', ' ', 80, 0, 700),
                                          Pair(' ', 't', 80, 0, 650), Pair('o', 'u', 30, 10, 300)};
    EXPECT_EQ(MeanTimeMs(pairs[1]), 420);
    EXPECT_EQ(MeanTimeMs(PairTally{}), 0);
    EXPECT_THAT(Captions(SlowestPairs(pairs, 2)), ElementsAre(U"ck", U"ou"));
    EXPECT_THAT(Captions(SlowestPairs(pairs, 10)), ElementsAre(U"ck", U"ou", U"th"));
}

TEST(PairRankingTest, TheMostMissedPairsAreMissedSteadilyAndPairsNeverMissedAreLeftOut) {
    const std::vector<PairTally> pairs = {Pair('t', 'h', 2000, 20, 180), Pair('o', 'u', 200, 30, 300),
                                          Pair('x', 'y', 12, 2, 300),    Pair('c', 'k', 40, 0, 800),
                                          Pair('q', 'u', 9, 9, 900),     Pair('e', '\r', 50, 40, 100)};
    // xy: 2 of 12, ou: 30 of 200; ou is the one missed time and again. qu is
    // typed too seldom, e + Enter is no pair within a word, ck never missed.
    EXPECT_THAT(Captions(MostMissedPairs(pairs, 10)), ElementsAre(U"ou", U"xy", U"th"));
    EXPECT_THAT(Captions(MostMissedPairs(pairs, 1)), ElementsAre(U"ou"));
    EXPECT_TRUE(MostMissedPairs({}, 3).empty());
}

}  // namespace
}  // namespace zq
