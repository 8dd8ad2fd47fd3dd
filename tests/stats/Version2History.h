#pragma once

// A history file of version 2, the layout before keys became Unicode
// characters: names are 8-bit BLOBs and keys 8-bit codes of the code page of
// the run that typed them. Its lines are written as that version's program
// wrote them.

#include <cstdint>
#include <string>
#include <vector>

#include "stats/HistorySchema.h"
#include "stats/Sqlite.h"

namespace zq::testing {

struct OldKey {
    unsigned char code;
    std::int64_t typed, wrong, timedKeys, timeMs;
};
struct OldConfusion {
    unsigned char expected, typed;
    std::int64_t count;
};

class Version2File {
public:
    explicit Version2File(const std::string& path) : db_(path, SqliteDatabase::Access::ReadWriteCreate) {
        MigrateHistory(db_, 2);
    }

    void AddLine(const std::string& user8, const std::string& course8, std::int32_t day,
                 const std::vector<OldKey>& keys, const std::vector<OldConfusion>& confusions) {
        std::string userKey = user8;
        for (char& c : userKey)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        std::int64_t characters = 0;
        std::int64_t errors = 0;
        for (const OldKey& key : keys) characters += key.typed, errors += key.wrong;
        SqliteTransaction transaction(db_);
        db_.Prepare(
               "INSERT INTO practice_line (user_key, user_name, course, drill, finished_at, local_day, "
               "course_line, characters, errors, keys_per_minute, accuracy, words_per_minute, line_time_ms) "
               "VALUES (?, ?, ?, 'course', ?, ?, 3, ?, ?, 200, 90, 40, 4000)")
            .BindBytes(1, userKey)
            .BindBytes(2, user8)
            .BindBytes(3, course8)
            .Bind(4, std::int64_t{day} * 86'400'000)
            .Bind(5, day)
            .Bind(6, characters)
            .Bind(7, errors)
            .Run();
        const std::int64_t line = db_.LastInsertRowId();
        for (const OldKey& key : keys) {
            db_.Prepare("INSERT INTO line_key VALUES (?, ?, ?, ?, ?, ?)")
                .Bind(1, line)
                .Bind(2, key.code)
                .Bind(3, key.typed)
                .Bind(4, key.wrong)
                .Bind(5, key.timedKeys)
                .Bind(6, key.timeMs)
                .Run();
            db_.Prepare(
                   "INSERT INTO day_key VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO UPDATE SET "
                   "typed = typed + excluded.typed, wrong = wrong + excluded.wrong, "
                   "timed_keys = timed_keys + excluded.timed_keys, time_ms = time_ms + excluded.time_ms")
                .BindBytes(1, userKey)
                .BindBytes(2, course8)
                .Bind(3, day)
                .Bind(4, key.code)
                .Bind(5, key.typed)
                .Bind(6, key.wrong)
                .Bind(7, key.timedKeys)
                .Bind(8, key.timeMs)
                .Run();
        }
        for (const OldConfusion& confusion : confusions) {
            db_.Prepare("INSERT INTO line_confusion VALUES (?, ?, ?, ?)")
                .Bind(1, line)
                .Bind(2, confusion.expected)
                .Bind(3, confusion.typed)
                .Bind(4, confusion.count)
                .Run();
            db_.Prepare(
                   "INSERT INTO day_confusion VALUES (?, ?, ?, ?, ?, ?) "
                   "ON CONFLICT DO UPDATE SET count = count + excluded.count")
                .BindBytes(1, userKey)
                .BindBytes(2, course8)
                .Bind(3, day)
                .Bind(4, confusion.expected)
                .Bind(5, confusion.typed)
                .Bind(6, confusion.count)
                .Run();
        }
        transaction.Commit();
    }

    SqliteDatabase& Database() { return db_; }

private:
    SqliteDatabase db_;
};

}  // namespace zq::testing
