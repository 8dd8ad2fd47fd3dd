#include "stats/LocalDay.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

namespace zq {
namespace {

class LocalDayTest : public ::testing::Test {
protected:
    ~LocalDayTest() override { SetZone("UTC"); }
    static void SetZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }
};

TEST_F(LocalDayTest, DayNumbersCountFromTheFirstOfJanuary1970) {
    EXPECT_EQ(DayOfDate({1970, 1, 1}), 0);
    EXPECT_EQ(DayOfDate({2024, 2, 29}), 19'782);
    const CalendarDate date = DateOfDay(19'782);
    EXPECT_EQ(date.year, 2024);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 29);
}

TEST_F(LocalDayTest, AMomentBelongsToTheCalendarDayOfItsTimeZone) {
    constexpr std::int64_t kLateEveningUtc = 1'709'938'800'000;  // 2024-03-08 23:00 UTC
    SetZone("UTC");
    EXPECT_EQ(LocalDayOf(kLateEveningUtc), DayOfDate({2024, 3, 8}));
    SetZone("CET-1");  // already the 9th in Berlin
    EXPECT_EQ(LocalDayOf(kLateEveningUtc), DayOfDate({2024, 3, 9}));
    SetZone("EST5");
    EXPECT_EQ(LocalDayOf(kLateEveningUtc), DayOfDate({2024, 3, 8}));
}

}  // namespace
}  // namespace zq
