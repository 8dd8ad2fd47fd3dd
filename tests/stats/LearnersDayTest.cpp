#include "stats/LearnersDay.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/HistoryStore.h"

namespace zq {
namespace {

using testing::TypedLine;

constexpr std::int32_t kToday = 19'800;
constexpr std::int64_t kMinute = 60'000;

class LearnersDayTest : public ::testing::Test {
protected:
    // A line of `user` on `day` that took `minutes` of practice.
    void Practise(const std::string& user, std::int32_t day, std::int64_t minutes,
                  DrillKind drill = DrillKind::Course, const std::string& course = "English") {
        LineRecord line = TypedLine(user, day, "asdf", 0, drill, course);
        line.lineTimeMs = static_cast<std::int32_t>(minutes * kMinute);
        store.AddLine(line);
    }

    test::TempFolder folder;
    HistoryStore store{folder.File("zqstats.db")};
};

TEST_F(LearnersDayTest, TodaysTimeIsThatOfEveryDrillAndCourseOfTheLearner) {
    Practise("Ann", kToday, 3);
    Practise("Ann", kToday, 2, DrillKind::Adaptive);
    Practise("ANN", kToday, 1, DrillKind::Free, "Deutsch");
    Practise("Bob", kToday, 30);
    Practise("Ann", kToday - 1, 30);
    EXPECT_EQ(ReadLearnersDay(store, "Ann", kToday, 10 * kMinute).todayMs, 6 * kMinute);
}

TEST_F(LearnersDayTest, DaysInARowCountBackFromTodayOrFromYesterdayWhileTodayIsOpen) {
    Practise("Ann", kToday - 4, 12);
    Practise("Ann", kToday - 3, 3);  // goal missed: the run before it does not count
    Practise("Ann", kToday - 2, 10);
    Practise("Ann", kToday - 1, 6);
    Practise("Ann", kToday - 1, 6, DrillKind::Sentence);
    Practise("Ann", kToday, 4);
    EXPECT_EQ(ReadLearnersDay(store, "Ann", kToday, 10 * kMinute).daysInARow, 2) << "today's goal still open";
    Practise("Ann", kToday, 6);
    EXPECT_EQ(ReadLearnersDay(store, "Ann", kToday, 10 * kMinute).daysInARow, 3);
    EXPECT_EQ(ReadLearnersDay(store, "Ann", kToday + 2, 10 * kMinute).daysInARow, 0) << "a day missed";
}

TEST_F(LearnersDayTest, TheLastLineIsTheNewestOfAnyDrill) {
    LineRecord older = TypedLine("Ann", kToday - 1, "asdf");
    older.keysPerMinute = 120;
    older.accuracy = 90;
    store.AddLine(older);
    LineRecord newest = TypedLine("Ann", kToday, "asdf", 0, DrillKind::Adaptive);
    newest.keysPerMinute = 182;
    newest.accuracy = 97;
    store.AddLine(newest);
    LineRecord others = TypedLine("Bob", kToday, "asdf");
    store.AddLine(others);

    const LearnersDay day = ReadLearnersDay(store, "Ann", kToday, 10 * kMinute);
    ASSERT_TRUE(day.lastLine.has_value());
    EXPECT_EQ(day.lastLine->keysPerMinute, 182);
    EXPECT_EQ(day.lastLine->accuracy, 97);
}

TEST_F(LearnersDayTest, ALearnerWithoutPracticeHasAnEmptyDay) {
    const LearnersDay day = ReadLearnersDay(store, "Ann", kToday, 10 * kMinute);
    EXPECT_EQ(day.todayMs, 0);
    EXPECT_EQ(day.daysInARow, 0);
    EXPECT_FALSE(day.lastLine.has_value());
}

}  // namespace
}  // namespace zq
