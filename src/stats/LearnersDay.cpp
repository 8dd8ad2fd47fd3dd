#include "stats/LearnersDay.h"

#include <map>

#include "base/AsciiText.h"
#include "stats/HistoryStore.h"

namespace zq {

namespace {

std::optional<LastLineFigures> ReadLastLine(HistoryStore& store, std::string_view user) {
    // Newest day first through the index by user and day, the newest line of that day first.
    SqliteStatement query = store.Database().Prepare(
        "SELECT keys_per_minute, accuracy FROM practice_line WHERE user_key = ? "
        "ORDER BY local_day DESC, id DESC LIMIT 1");
    query.BindText(1, AsciiLower(user));
    if (!query.Step()) return std::nullopt;
    return LastLineFigures{static_cast<std::int32_t>(query.Integer(0)),
                           static_cast<std::int32_t>(query.Integer(1))};
}

}  // namespace

LearnersDay ReadLearnersDay(HistoryStore& store, std::string_view user, std::int32_t today,
                            std::int64_t goalMs) {
    std::map<std::int32_t, std::int64_t> timePerDay;
    for (const DrillDay& day : store.DrillDays(user, today - kLongestRunLookedAt, today))
        timePerDay[day.day] += day.timeMs;

    LearnersDay learnersDay;
    learnersDay.todayMs = timePerDay[today];
    const auto goalReached = [&](std::int32_t day) {
        const auto found = timePerDay.find(day);
        return found != timePerDay.end() && found->second >= goalMs;
    };
    std::int32_t day = goalReached(today) ? today : today - 1;
    while (day >= today - kLongestRunLookedAt && goalReached(day)) {
        ++learnersDay.daysInARow;
        --day;
    }
    learnersDay.lastLine = ReadLastLine(store, user);
    return learnersDay;
}

}  // namespace zq
