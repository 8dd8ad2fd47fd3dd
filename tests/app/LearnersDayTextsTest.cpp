#include "app/LearnersDayTexts.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(LearnersDayTextsTest, TheDayInTheWordsOfThePanel) {
    LearnersDay day;
    day.todayMs = 4 * 60'000 + 25'400;
    day.daysInARow = 3;
    day.lastLine = LastLineFigures{182, 97};
    const LearnersDayTexts texts = DescribeLearnersDay(day, "English", {37, 197}, 10);
    EXPECT_EQ(texts.course, "English");
    EXPECT_EQ(texts.lineReached, "Line 38 of 197");
    EXPECT_EQ(texts.today, "Today: 4 m 25 s of 10 m");
    EXPECT_EQ(texts.goalPercent, 44);
    EXPECT_EQ(texts.daysInARow, "Days in a row with the goal reached: 3");
    EXPECT_EQ(texts.lastLine, "Last line: 182 keys/min, 97 % accuracy");
}

TEST(LearnersDayTextsTest, TheGoalBarStopsFullAndAnHourCountsInMinutes) {
    LearnersDay day;
    day.todayMs = 75 * 60'000 + 3'000;
    const LearnersDayTexts texts = DescribeLearnersDay(day, "Deutsch", {0, 10}, 10);
    EXPECT_EQ(texts.today, "Today: 75 m 3 s of 10 m");
    EXPECT_EQ(texts.goalPercent, 100);
    EXPECT_EQ(DescribeLearnersDay(day, "Deutsch", {0, 10}, 0).goalPercent, 100) << "no goal: always reached";
}

TEST(LearnersDayTextsTest, ALineOutsideTheCourseIsShownWithinItAndACourseWithoutLinesShowsNone) {
    EXPECT_EQ(DescribeLearnersDay({}, "English", {250, 197}, 10).lineReached, "Line 197 of 197")
        << "the course drill brings a progress beyond a shortened file to its last line";
    EXPECT_EQ(DescribeLearnersDay({}, "English", {0, 0}, 10).lineReached, "");
    EXPECT_EQ(DescribeLearnersDay({}, "English", {0, 0}, 10).lastLine, "No line typed yet");
}

}  // namespace
}  // namespace zq
