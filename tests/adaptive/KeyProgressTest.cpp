#include "adaptive/KeyProgress.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

// `typed` strokes with `wrong` of them wrong, the right ones `msPerKey` apart.
KeyTally Recent(std::int64_t typed, std::int64_t wrong, std::int64_t msPerKey) {
    return {.character = U'r',
            .typed = typed,
            .wrong = wrong,
            .timedKeys = typed - wrong,
            .timeMs = (typed - wrong) * msPerKey};
}

TEST(KeyProgressTest, SpeedAndAccuracyOfAKeyAreThoseOfItsRecentStrokes) {
    EXPECT_EQ(KeySpeed(Recent(30, 0, 400)), 150);
    EXPECT_EQ(KeySpeed(Recent(30, 0, 401)), 149);
    EXPECT_EQ(KeyAccuracy(Recent(40, 2, 400)), 95);
    EXPECT_EQ(KeyAccuracy(Recent(30, 2, 400)), 93);
    EXPECT_EQ(KeySpeed(KeyTally{}), 0);
    EXPECT_EQ(KeyAccuracy(KeyTally{}), 0);
}

TEST(KeyProgressTest, AKeyMeetsTheTargetWithItsSpeedAndThePassAccuracyOverThirtyStrokes) {
    EXPECT_TRUE(MeetsTarget(Recent(30, 0, 400), 150));
    EXPECT_TRUE(MeetsTarget(Recent(40, 2, 300), 150));
    EXPECT_FALSE(MeetsTarget(Recent(30, 0, 401), 150)) << "too slow";
    EXPECT_FALSE(MeetsTarget(Recent(30, 2, 300), 150)) << "93 % accurate";
    EXPECT_FALSE(MeetsTarget(Recent(29, 0, 300), 150)) << "not judged over thirty strokes yet";
    EXPECT_TRUE(MeetsTarget(Recent(30, 0, 200), 300));
    EXPECT_FALSE(MeetsTarget(Recent(30, 0, 250), 300)) << "the learner's own target counts";
}

TEST(KeyProgressTest, ProgressIsTheLeastOfTheSharesOfSpeedAccuracyAndStrokes) {
    EXPECT_EQ(ProgressPercent(Recent(30, 0, 400), 150), 100);
    EXPECT_EQ(ProgressPercent(Recent(30, 0, 800), 150), 50) << "75 keys a minute of 150";
    EXPECT_EQ(ProgressPercent(Recent(15, 0, 200), 150), 50) << "fifteen strokes of thirty";
    EXPECT_EQ(ProgressPercent(Recent(100, 15, 200), 150), 50) << "85 %: half the way from 75 % to 95 %";
    EXPECT_EQ(ProgressPercent(Recent(100, 30, 200), 150), 0) << "70 %";
    EXPECT_EQ(ProgressPercent(KeyTally{}, 150), 0);
}

TEST(KeyProgressTest, AKeyShortOfTheTargetNeverShowsAsReached) {
    EXPECT_EQ(ProgressPercent(Recent(30, 0, 401), 150), 99);
    EXPECT_EQ(ProgressPercent(Recent(29, 0, 100), 150), 96);
}

}  // namespace
}  // namespace zq
