#include "stats/KeyRanking.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zq {
namespace {

using ::testing::ElementsAre;

KeyTally Key(char32_t character, std::int64_t typed, std::int64_t wrong, std::int64_t meanMs) {
    return {character, typed, wrong, typed - wrong, (typed - wrong) * meanMs};
}

std::vector<char32_t> Characters(const std::vector<KeyTally>& keys) {
    std::vector<char32_t> characters;
    for (const KeyTally& key : keys) characters.push_back(key.character);
    return characters;
}

TEST(KeyRankingTest, ErrorRateAndMeanTimeOfAKey) {
    EXPECT_DOUBLE_EQ(ErrorRate(Key('a', 20, 5, 300)), 0.25);
    EXPECT_EQ(MeanTimeMs(Key('a', 20, 5, 300)), 300);
    EXPECT_EQ(ErrorRate(KeyTally{}), 0.0);
    EXPECT_EQ(MeanTimeMs(KeyTally{}), 0);
}

TEST(KeyRankingTest, TheSlowestKeysComeFirstAndKeysWithFewTimesAreLeftOut) {
    const std::vector<KeyTally> keys = {Key('a', 50, 0, 200), Key('q', 50, 0, 900), Key('z', 4, 0, 5000),
                                        Key(' ', 80, 0, 1500), Key('p', 50, 0, 400)};
    EXPECT_THAT(Characters(SlowestKeys(keys, 2)), ElementsAre('q', 'p'));
    EXPECT_THAT(Characters(SlowestKeys(keys, 10)), ElementsAre('q', 'p', 'a'));
}

TEST(KeyRankingTest, TheWeakestKeysAreMissedMostOftenAndOfEqualRatesTheSlower) {
    const std::vector<KeyTally> keys = {Key('e', 400, 8, 150), Key('q', 20, 4, 500),   Key('x', 20, 4, 700),
                                        Key('j', 9, 9, 900),   Key('\r', 40, 30, 100), Key('k', 50, 0, 800)};
    // j has too few typings, CR is no key of its own.
    EXPECT_THAT(WeakestKeys(keys, 3), ElementsAre('x', 'q', 'e'));
    // Without errors left, the slowest keys follow.
    EXPECT_THAT(WeakestKeys(keys, 4), ElementsAre('x', 'q', 'e', 'k'));
    EXPECT_TRUE(WeakestKeys({}, 3).empty());
}

TEST(KeyRankingTest, AFewSlipsOnARareKeyDoNotOutweighAKeyMissedSteadily) {
    const std::vector<KeyTally> keys = {Key('e', 2000, 40, 150), Key('z', 200, 30, 300),
                                        Key('D', 12, 2, 300)};
    // D: 2 of 12 (17 %), z: 30 of 200 (15 %), but z is the one missed time and again.
    EXPECT_THAT(WeakestKeys(keys, 2), ElementsAre('z', 'D'));
}

}  // namespace
}  // namespace zq
