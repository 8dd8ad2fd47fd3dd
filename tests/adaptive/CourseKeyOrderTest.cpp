#include "adaptive/CourseKeyOrder.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(CourseKeyOrderTest, KeysComeInTheOrderTheCourseFirstUsesThem) {
    EXPECT_EQ(CourseKeyOrder({"fff jjj fj", "ddd kkk dk fd", "as ad; Sad 12."}), "fjdkas;S12.");
}

TEST(CourseKeyOrderTest, BlanksAndControlCharactersAreNoKeys) {
    EXPECT_EQ(CourseKeyOrder({" \tf\r\n j\x7f", ""}), "fj");
    EXPECT_EQ(CourseKeyOrder({}), "");
}

TEST(CourseKeyOrderTest, AccentedLettersOfTheCodePageAreKeysLikeAnyOther) {
    EXPECT_EQ(CourseKeyOrder({"a\xE9 \xFC"}), "a\xE9\xFC");
}

TEST(CourseKeyOrderTest, TheDrillBeginsWithTheFirstLinesKeysAndAtLeastFour) {
    EXPECT_EQ(FirstKeyCount({"fff jjj", "ddd kkk", "sss lll"}), 4u);
    EXPECT_EQ(FirstKeyCount({"asdf jkl;", "gh"}), 8u);
    EXPECT_EQ(FirstKeyCount({"", "  ", "asdf jkl;", "gh"}), 8u) << "blank lines before the first lesson";
    EXPECT_EQ(FirstKeyCount({"ab"}), 2u) << "never more than the course has";
    EXPECT_EQ(FirstKeyCount({}), 0u);
}

}  // namespace
}  // namespace zq
