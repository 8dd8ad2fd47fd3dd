#include "stats/HistorySchema.h"

#include <sqlite3.h>

#include <array>
#include <string_view>

#include "stats/Sqlite.h"
#include "stats/UnicodeMigration.h"

namespace zq {

namespace {

// Version 1: every completed line, with its keys and confusions. Names are
// 8-bit text kept as BLOBs, keys 8-bit codes (version 3 makes them UTF-8
// and Unicode characters); `user_key` is the user name with its ASCII
// capitals made small, because user names match without regard to case.
constexpr std::string_view kVersion1 = R"sql(
CREATE TABLE practice_line (
    id INTEGER PRIMARY KEY,
    user_key BLOB NOT NULL,
    user_name BLOB NOT NULL,
    course BLOB NOT NULL,
    drill TEXT NOT NULL,
    finished_at INTEGER NOT NULL,
    local_day INTEGER NOT NULL,
    course_line INTEGER,
    characters INTEGER NOT NULL,
    errors INTEGER NOT NULL,
    keys_per_minute INTEGER NOT NULL,
    accuracy INTEGER NOT NULL,
    words_per_minute INTEGER NOT NULL,
    line_time_ms INTEGER NOT NULL
);
CREATE INDEX practice_line_by_user_day ON practice_line (user_key, local_day);
CREATE TABLE line_key (
    line_id INTEGER NOT NULL REFERENCES practice_line (id) ON DELETE CASCADE,
    code INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    wrong INTEGER NOT NULL,
    timed_keys INTEGER NOT NULL,
    time_ms INTEGER NOT NULL,
    PRIMARY KEY (line_id, code)
) WITHOUT ROWID;
CREATE TABLE line_confusion (
    line_id INTEGER NOT NULL REFERENCES practice_line (id) ON DELETE CASCADE,
    expected INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    count INTEGER NOT NULL,
    PRIMARY KEY (line_id, expected, typed)
) WITHOUT ROWID;
)sql";

// Version 2: the keys and confusions summed per user, course and day, so
// that a year of lines is read in milliseconds; filled from the lines
// already kept.
constexpr std::string_view kVersion2 = R"sql(
CREATE TABLE day_key (
    user_key BLOB NOT NULL,
    course BLOB NOT NULL,
    local_day INTEGER NOT NULL,
    code INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    wrong INTEGER NOT NULL,
    timed_keys INTEGER NOT NULL,
    time_ms INTEGER NOT NULL,
    PRIMARY KEY (user_key, course, local_day, code)
) WITHOUT ROWID;
CREATE TABLE day_confusion (
    user_key BLOB NOT NULL,
    course BLOB NOT NULL,
    local_day INTEGER NOT NULL,
    expected INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    count INTEGER NOT NULL,
    PRIMARY KEY (user_key, course, local_day, expected, typed)
) WITHOUT ROWID;
INSERT INTO day_key
    SELECT l.user_key, l.course, l.local_day, k.code,
           sum(k.typed), sum(k.wrong), sum(k.timed_keys), sum(k.time_ms)
    FROM line_key k JOIN practice_line l ON l.id = k.line_id
    GROUP BY l.user_key, l.course, l.local_day, k.code;
INSERT INTO day_confusion
    SELECT l.user_key, l.course, l.local_day, c.expected, c.typed, sum(c.count)
    FROM line_confusion c JOIN practice_line l ON l.id = c.line_id
    GROUP BY l.user_key, l.course, l.local_day, c.expected, c.typed;
)sql";

// Version 4: how many keys of its course's order the adaptive drill has
// in play for each learner, so that they go on where they stopped; and an
// index that finds a learner's latest lines on a course, of which the drill
// reads the recent strokes of each key.
constexpr std::string_view kVersion4 = R"sql(
CREATE TABLE adaptive_drill (
    user_key TEXT NOT NULL,
    course TEXT NOT NULL,
    keys_in_play INTEGER NOT NULL,
    PRIMARY KEY (user_key, course)
) WITHOUT ROWID;
CREATE INDEX practice_line_by_user_course ON practice_line (user_key, course);
)sql";

// Version 5: every pair of keys typed one right after the other, per line
// and summed per user, course and day, as the keys are. Lines kept before
// have no pairs: their keys were counted without their order.
constexpr std::string_view kVersion5 = R"sql(
CREATE TABLE line_pair (
    line_id INTEGER NOT NULL REFERENCES practice_line (id) ON DELETE CASCADE,
    first_code_point INTEGER NOT NULL,
    second_code_point INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    wrong INTEGER NOT NULL,
    timed_keys INTEGER NOT NULL,
    time_ms INTEGER NOT NULL,
    PRIMARY KEY (line_id, first_code_point, second_code_point)
) WITHOUT ROWID;
CREATE TABLE day_pair (
    user_key TEXT NOT NULL,
    course TEXT NOT NULL,
    local_day INTEGER NOT NULL,
    first_code_point INTEGER NOT NULL,
    second_code_point INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    wrong INTEGER NOT NULL,
    timed_keys INTEGER NOT NULL,
    time_ms INTEGER NOT NULL,
    PRIMARY KEY (user_key, course, local_day, first_code_point, second_code_point)
) WITHOUT ROWID;
)sql";

// Version 6: the learner's best games (at most five each, see
// GameHistory), highest score first through the index.
constexpr std::string_view kVersion6 = R"sql(
CREATE TABLE game_score (
    id INTEGER PRIMARY KEY,
    user_key TEXT NOT NULL,
    user_name TEXT NOT NULL,
    course TEXT NOT NULL,
    finished_at INTEGER NOT NULL,
    difficulty INTEGER NOT NULL,
    score INTEGER NOT NULL,
    hits INTEGER NOT NULL,
    losses INTEGER NOT NULL,
    time_ms INTEGER NOT NULL
);
CREATE INDEX game_score_by_user ON game_score (user_key, score DESC, id);
)sql";

using Migration = void (*)(SqliteDatabase& db, const CourseCodePage& courseCodePage);

void ToVersion1(SqliteDatabase& db, const CourseCodePage&) {
    db.Execute(kVersion1);
}

void ToVersion2(SqliteDatabase& db, const CourseCodePage&) {
    db.Execute(kVersion2);
}

void ToVersion4(SqliteDatabase& db, const CourseCodePage&) {
    db.Execute(kVersion4);
}

void ToVersion5(SqliteDatabase& db, const CourseCodePage&) {
    db.Execute(kVersion5);
}

void ToVersion6(SqliteDatabase& db, const CourseCodePage&) {
    db.Execute(kVersion6);
}

// Index i leads from version i to version i + 1. Never change one that has
// shipped: add a new one.
constexpr std::array<Migration, 6> kMigrations = {ToVersion1, ToVersion2, MigrateHistoryToUnicode,
                                                  ToVersion4, ToVersion5, ToVersion6};

}  // namespace

int CurrentHistoryVersion() {
    return static_cast<int>(kMigrations.size());
}

NewerHistoryError::NewerHistoryError(int version)
    : std::runtime_error("the history has version " + std::to_string(version) + ", this program knows " +
                         std::to_string(CurrentHistoryVersion())) {}

DamagedHistoryError::DamagedHistoryError(int version)
    : SqliteError(SQLITE_CORRUPT, "the history has version " + std::to_string(version)) {}

namespace {

// The version in the file, which this program can read or migrate.
int CheckedVersion(SqliteDatabase& db) {
    const int version = static_cast<int>(db.QueryInteger("PRAGMA user_version"));
    if (version < 0) throw DamagedHistoryError(version);
    if (version > CurrentHistoryVersion()) throw NewerHistoryError(version);
    return version;
}

}  // namespace

void MigrateHistory(SqliteDatabase& db, const CourseCodePage& courseCodePage) {
    MigrateHistory(db, CurrentHistoryVersion(), courseCodePage);
}

void MigrateHistory(SqliteDatabase& db, int targetVersion, const CourseCodePage& courseCodePage) {
    // The cheap check first: most openings find the file up to date.
    int version = CheckedVersion(db);
    while (version < targetVersion) {
        SqliteTransaction transaction(db);
        // Read again under the write lock: another program may have migrated meanwhile.
        version = CheckedVersion(db);
        if (version >= targetVersion) break;
        kMigrations[static_cast<size_t>(version)](db, courseCodePage);
        db.Execute("PRAGMA user_version = " + std::to_string(version + 1));
        transaction.Commit();
        ++version;
    }
}

}  // namespace zq
