#include "profile/PracticeTime.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(PracticeTimeTest, HoursAreNotLimitedToADayAndMillisecondsAreDropped) {
    EXPECT_EQ(PracticeTimeText(25 * 3600000), "25 h 0 m 0 s");
    EXPECT_EQ(PracticeTimeText(3600000 + 2 * 60000 + 3999), "1 h 2 m 3 s");
    EXPECT_EQ(PracticeTimeText(999), "0 h 0 m 0 s");
    EXPECT_EQ(SplitPracticeTime(2147483647), (HoursMinutesSeconds{596, 31, 23}));
    EXPECT_EQ(PracticeTimeText(-5000), "0 h 0 m 0 s");
}

}  // namespace
}  // namespace zq
