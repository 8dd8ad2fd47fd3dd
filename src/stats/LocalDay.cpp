#include "stats/LocalDay.h"

#include <chrono>
#include <ctime>

namespace zq {

std::int32_t LocalDayOf(std::int64_t utcMilliseconds) {
    const auto seconds = static_cast<std::time_t>(utcMilliseconds / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return DayOfDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

std::int64_t NowUtcMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

CalendarDate DateOfDay(std::int32_t dayNumber) {
    using namespace std::chrono;
    const year_month_day date{sys_days{days{dayNumber}}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

std::int32_t DayOfDate(const CalendarDate& date) {
    using namespace std::chrono;
    const sys_days day{year{date.year} / month{static_cast<unsigned>(date.month)} /
                       std::chrono::day{static_cast<unsigned>(date.day)}};
    return static_cast<std::int32_t>(day.time_since_epoch().count());
}

}  // namespace zq
