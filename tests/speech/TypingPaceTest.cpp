#include "speech/TypingPace.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(TypingPace, FourRightKeysEachWithinHalfASecondMakeTheLearnerFast) {
    TypingPace pace;
    std::int64_t now = 10'000;
    for (int key = 1; key <= 3; ++key) {
        pace.RightKey(now += 500);
        EXPECT_FALSE(pace.Fast()) << key;
    }
    pace.RightKey(now += 500);
    EXPECT_TRUE(pace.Fast());
    pace.RightKey(now += 100);
    EXPECT_TRUE(pace.Fast());
}

TEST(TypingPace, ASlowKeyOrASlipStartsTheCountAgain) {
    TypingPace pace;
    std::int64_t now = 0;
    for (int key = 0; key < 4; ++key) pace.RightKey(now += 200);
    ASSERT_TRUE(pace.Fast());
    pace.RightKey(now += 501);
    EXPECT_FALSE(pace.Fast()) << "half a second and a little more";
    for (int key = 0; key < 3; ++key) pace.RightKey(now += 200);
    EXPECT_TRUE(pace.Fast()) << "the slow key counts as the first of a new run";
    pace.Slip();
    EXPECT_FALSE(pace.Fast());
    for (int key = 0; key < 3; ++key) pace.RightKey(now += 200);
    EXPECT_FALSE(pace.Fast()) << "three keys after a slip are not yet four";
}

}  // namespace
}  // namespace zq
