#include "stats/AdaptiveHistory.h"

#include "base/AsciiText.h"
#include "stats/HistoryStore.h"

namespace zq {

std::int32_t ReadKeysInPlay(HistoryStore& store, std::string_view user, std::string_view course) {
    SqliteStatement query =
        store.Database().Prepare("SELECT keys_in_play FROM adaptive_drill WHERE user_key = ? AND course = ?");
    query.BindText(1, AsciiLower(user)).BindText(2, course);
    return query.Step() ? static_cast<std::int32_t>(query.Integer(0)) : 0;
}

void WriteKeysInPlay(HistoryStore& store, std::string_view user, std::string_view course,
                     std::int32_t keysInPlay) {
    SqliteStatement change = store.Database().Prepare(
        "INSERT INTO adaptive_drill (user_key, course, keys_in_play) VALUES (?, ?, ?) "
        "ON CONFLICT DO UPDATE SET keys_in_play = excluded.keys_in_play");
    change.BindText(1, AsciiLower(user)).BindText(2, course).Bind(3, keysInPlay).Run();
}

std::vector<std::vector<KeyTally>> RecentLineKeys(HistoryStore& store, std::string_view user,
                                                  std::string_view course, std::size_t lines) {
    // The latest lines through the index by user and course (its rows keep
    // the order of the lines' ids), each with its keys.
    SqliteStatement query = store.Database().Prepare(
        "SELECT l.id, k.code_point, k.typed, k.wrong, k.timed_keys, k.time_ms "
        "FROM (SELECT id FROM practice_line WHERE user_key = ? AND course = ? ORDER BY id DESC LIMIT ?) l "
        "JOIN line_key k ON k.line_id = l.id ORDER BY l.id DESC");
    query.BindText(1, AsciiLower(user)).BindText(2, course).Bind(3, static_cast<std::int64_t>(lines));
    std::vector<std::vector<KeyTally>> recent;
    std::int64_t lineId = -1;
    while (query.Step()) {
        if (query.Integer(0) != lineId || recent.empty()) {
            lineId = query.Integer(0);
            recent.emplace_back();
        }
        const std::int64_t codePoint = query.Integer(1);
        if (codePoint < 0 || codePoint > 0x10FFFF) continue;  // a damaged row
        recent.back().push_back({static_cast<char32_t>(codePoint), query.Integer(2), query.Integer(3),
                                 query.Integer(4), query.Integer(5)});
    }
    return recent;
}

}  // namespace zq
