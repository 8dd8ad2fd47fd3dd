#include "stats/HistoryStore.h"

#include <chrono>
#include <thread>

#include "base/AsciiText.h"
#include "stats/HistorySchema.h"

namespace zq {

namespace {

// How long a write waits for another program's transaction to end. Writes
// take well under a millisecond, so only a program stuck in a transaction
// makes a line wait this long.
constexpr int kBusyTimeoutMs = 500;

// In a write-ahead log a commit needs no sync of the database file: a
// program killed at any point leaves every committed line, and a power cut
// at worst the last ones, never a damaged file. Switching a file to it needs
// the file to itself, and SQLite does not wait for that: when another
// program holds the file (two programs opening a new one at once), the
// switch is tried again for as long as a write would wait.
void UseWriteAheadLog(SqliteDatabase& db) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    for (;;) {
        try {
            db.Execute("PRAGMA journal_mode = WAL");
            return;
        } catch (const SqliteError& error) {
            if (!error.IsBusy() || std::chrono::steady_clock::now() > deadline) throw;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

SqliteDatabase& Prepared(SqliteDatabase& db, const CourseCodePage& courseCodePage) {
    db.Execute("PRAGMA busy_timeout = " + std::to_string(kBusyTimeoutMs));
    UseWriteAheadLog(db);
    db.Execute("PRAGMA synchronous = NORMAL");
    db.Execute("PRAGMA foreign_keys = ON");
    MigrateHistory(db, courseCodePage);
    return db;
}

constexpr std::string_view kInsertLine =
    "INSERT INTO practice_line (user_key, user_name, course, drill, finished_at, local_day, course_line, "
    "characters, errors, keys_per_minute, accuracy, words_per_minute, line_time_ms) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// A stored code point; a value no character has (a damaged row) reads as
// U+FFFD, as a byte without a character does.
char32_t CharacterOf(const SqliteStatement& query, int column) {
    const std::int64_t value = query.Integer(column);
    return value >= 0 && value <= 0x10FFFF ? static_cast<char32_t>(value) : U'\uFFFD';
}

}  // namespace

HistoryStore::HistoryStore(const std::string& path, const CourseCodePage& courseCodePage)
    : db_(path, SqliteDatabase::Access::ReadWriteCreate),
      insertLine_(Prepared(db_, courseCodePage).Prepare(kInsertLine)),
      insertLineKey_(db_.Prepare(
          "INSERT INTO line_key (line_id, code_point, typed, wrong, timed_keys, time_ms) "
          "VALUES (?, ?, ?, ?, ?, ?) "
          "ON CONFLICT DO UPDATE SET typed = typed + excluded.typed, wrong = wrong + excluded.wrong, "
          "timed_keys = timed_keys + excluded.timed_keys, time_ms = time_ms + excluded.time_ms")),
      addDayKey_(db_.Prepare(
          "INSERT INTO day_key (user_key, course, local_day, code_point, typed, wrong, timed_keys, time_ms) "
          "VALUES (?, ?, ?, ?, ?, ?, ?, ?) "
          "ON CONFLICT DO UPDATE SET typed = typed + excluded.typed, wrong = wrong + excluded.wrong, "
          "timed_keys = timed_keys + excluded.timed_keys, time_ms = time_ms + excluded.time_ms")),
      insertLineConfusion_(
          db_.Prepare("INSERT INTO line_confusion (line_id, expected, typed, count) VALUES (?, ?, ?, ?) "
                      "ON CONFLICT DO UPDATE SET count = count + excluded.count")),
      addDayConfusion_(
          db_.Prepare("INSERT INTO day_confusion (user_key, course, local_day, expected, typed, count) "
                      "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT DO UPDATE SET count = count + excluded.count")),
      insertLinePair_(db_.Prepare(
          "INSERT INTO line_pair (line_id, first_code_point, second_code_point, typed, wrong, timed_keys, "
          "time_ms) VALUES (?, ?, ?, ?, ?, ?, ?) "
          "ON CONFLICT DO UPDATE SET typed = typed + excluded.typed, wrong = wrong + excluded.wrong, "
          "timed_keys = timed_keys + excluded.timed_keys, time_ms = time_ms + excluded.time_ms")),
      addDayPair_(db_.Prepare(
          "INSERT INTO day_pair (user_key, course, local_day, first_code_point, second_code_point, typed, "
          "wrong, timed_keys, time_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
          "ON CONFLICT DO UPDATE SET typed = typed + excluded.typed, wrong = wrong + excluded.wrong, "
          "timed_keys = timed_keys + excluded.timed_keys, time_ms = time_ms + excluded.time_ms")) {}

void HistoryStore::AddLine(const LineRecord& line) {
    {
        SqliteTransaction transaction(db_);
        WriteLine(line);
        transaction.Commit();
    }
    // A run keeps its connection open for hours and writes a line at a
    // time: the pages a write read would otherwise stay in memory, some
    // kilobytes more for every line, as the file grows. The next write
    // reads the few it needs again.
    db_.ReleasePageCache();
}

void HistoryStore::AddLines(const std::vector<LineRecord>& lines) {
    SqliteTransaction transaction(db_);
    for (const LineRecord& line : lines) WriteLine(line);
    transaction.Commit();
}

void HistoryStore::WriteLine(const LineRecord& line) {
    const std::string userKey = AsciiLower(line.user);

    insertLine_.BindText(1, userKey).BindText(2, line.user).BindText(3, line.course);
    insertLine_.BindText(4, DrillName(line.drill)).Bind(5, line.finishedAtMs).Bind(6, line.localDay);
    if (line.courseLine >= 0) {
        insertLine_.Bind(7, line.courseLine);
    } else {
        insertLine_.BindNull(7);
    }
    insertLine_.Bind(8, line.characters).Bind(9, line.errors).Bind(10, line.keysPerMinute);
    insertLine_.Bind(11, line.accuracy).Bind(12, line.wordsPerMinute).Bind(13, line.lineTimeMs);
    insertLine_.Run();
    const std::int64_t lineId = db_.LastInsertRowId();

    for (const KeyTally& key : line.keys) {
        insertLineKey_.Bind(1, lineId).Bind(2, key.character).Bind(3, key.typed).Bind(4, key.wrong);
        insertLineKey_.Bind(5, key.timedKeys).Bind(6, key.timeMs).Run();
        addDayKey_.BindText(1, userKey)
            .BindText(2, line.course)
            .Bind(3, line.localDay)
            .Bind(4, key.character);
        addDayKey_.Bind(5, key.typed).Bind(6, key.wrong).Bind(7, key.timedKeys).Bind(8, key.timeMs).Run();
    }
    for (const Confusion& confusion : line.confusions) {
        insertLineConfusion_.Bind(1, lineId).Bind(2, confusion.expected).Bind(3, confusion.typed);
        insertLineConfusion_.Bind(4, confusion.count).Run();
        addDayConfusion_.BindText(1, userKey).BindText(2, line.course).Bind(3, line.localDay);
        addDayConfusion_.Bind(4, confusion.expected).Bind(5, confusion.typed).Bind(6, confusion.count).Run();
    }
    for (const PairTally& pair : line.pairs) {
        insertLinePair_.Bind(1, lineId).Bind(2, pair.first).Bind(3, pair.second).Bind(4, pair.typed);
        insertLinePair_.Bind(5, pair.wrong).Bind(6, pair.timedKeys).Bind(7, pair.timeMs).Run();
        addDayPair_.BindText(1, userKey).BindText(2, line.course).Bind(3, line.localDay);
        addDayPair_.Bind(4, pair.first).Bind(5, pair.second).Bind(6, pair.typed).Bind(7, pair.wrong);
        addDayPair_.Bind(8, pair.timedKeys).Bind(9, pair.timeMs).Run();
    }
}

void HistoryStore::EraseUser(std::string_view user) {
    const std::string userKey = AsciiLower(user);
    SqliteTransaction transaction(db_);
    // The keys, pairs and confusions of the lines go with them (ON DELETE CASCADE).
    for (const char* sql :
         {"DELETE FROM practice_line WHERE user_key = ?", "DELETE FROM day_key WHERE user_key = ?",
          "DELETE FROM day_confusion WHERE user_key = ?", "DELETE FROM day_pair WHERE user_key = ?",
          "DELETE FROM adaptive_drill WHERE user_key = ?", "DELETE FROM game_score WHERE user_key = ?"}) {
        db_.Prepare(sql).BindText(1, userKey).Run();
    }
    transaction.Commit();
}

std::vector<DrillDay> HistoryStore::DrillDays(std::string_view user, std::int32_t firstDay,
                                              std::int32_t lastDay) {
    SqliteStatement query = db_.Prepare(
        "SELECT local_day, drill, count(*), sum(characters), sum(errors), sum(line_time_ms) "
        "FROM practice_line WHERE user_key = ? AND local_day BETWEEN ? AND ? "
        "GROUP BY local_day, drill ORDER BY local_day, drill");
    query.BindText(1, AsciiLower(user)).Bind(2, firstDay).Bind(3, lastDay);
    std::vector<DrillDay> days;
    while (query.Step()) {
        const std::optional<DrillKind> drill = DrillFromName(query.Bytes(1));
        if (!drill) continue;  // a drill of a newer program
        days.push_back({static_cast<std::int32_t>(query.Integer(0)), *drill, query.Integer(2),
                        query.Integer(3), query.Integer(4), query.Integer(5)});
    }
    return days;
}

std::vector<KeyTally> HistoryStore::KeyTotals(std::string_view user, std::string_view course,
                                              std::int32_t firstDay, std::int32_t lastDay) {
    SqliteStatement query = db_.Prepare(
        "SELECT code_point, sum(typed), sum(wrong), sum(timed_keys), sum(time_ms) FROM day_key "
        "WHERE user_key = ? AND course = ? AND local_day BETWEEN ? AND ? "
        "GROUP BY code_point ORDER BY code_point");
    query.BindText(1, AsciiLower(user)).BindText(2, course).Bind(3, firstDay).Bind(4, lastDay);
    std::vector<KeyTally> keys;
    while (query.Step()) {
        keys.push_back(
            {CharacterOf(query, 0), query.Integer(1), query.Integer(2), query.Integer(3), query.Integer(4)});
    }
    return keys;
}

std::vector<PairTally> HistoryStore::PairTotals(std::string_view user, std::string_view course,
                                                std::int32_t firstDay, std::int32_t lastDay) {
    SqliteStatement query = db_.Prepare(
        "SELECT first_code_point, second_code_point, sum(typed), sum(wrong), sum(timed_keys), sum(time_ms) "
        "FROM day_pair WHERE user_key = ? AND course = ? AND local_day BETWEEN ? AND ? "
        "GROUP BY first_code_point, second_code_point ORDER BY first_code_point, second_code_point");
    query.BindText(1, AsciiLower(user)).BindText(2, course).Bind(3, firstDay).Bind(4, lastDay);
    std::vector<PairTally> pairs;
    while (query.Step()) {
        pairs.push_back({CharacterOf(query, 0), CharacterOf(query, 1), query.Integer(2), query.Integer(3),
                         query.Integer(4), query.Integer(5)});
    }
    return pairs;
}

std::vector<Confusion> HistoryStore::TopConfusions(std::string_view user, std::string_view course,
                                                   std::int32_t firstDay, std::int32_t lastDay, int limit) {
    SqliteStatement query = db_.Prepare(
        "SELECT expected, typed, sum(count) AS times FROM day_confusion "
        "WHERE user_key = ? AND course = ? AND local_day BETWEEN ? AND ? "
        "GROUP BY expected, typed ORDER BY times DESC, expected, typed LIMIT ?");
    query.BindText(1, AsciiLower(user)).BindText(2, course).Bind(3, firstDay).Bind(4, lastDay);
    query.Bind(5, limit);
    std::vector<Confusion> confusions;
    while (query.Step())
        confusions.push_back({CharacterOf(query, 0), CharacterOf(query, 1), query.Integer(2)});
    return confusions;
}

std::int64_t HistoryStore::LineCount() {
    return db_.QueryInteger("SELECT count(*) FROM practice_line");
}

std::vector<LineRecord> HistoryStore::LinesOf(std::string_view user) {
    SqliteStatement query = db_.Prepare(
        "SELECT user_name, course, drill, finished_at, local_day, course_line, characters, errors, "
        "keys_per_minute, accuracy, words_per_minute, line_time_ms FROM practice_line "
        "WHERE user_key = ? ORDER BY finished_at, id");
    query.BindText(1, AsciiLower(user));
    std::vector<LineRecord> lines;
    while (query.Step()) {
        const std::optional<DrillKind> drill = DrillFromName(query.Bytes(2));
        if (!drill) continue;  // a drill of a newer program
        LineRecord& line = lines.emplace_back();
        line.user = query.Bytes(0);
        line.course = query.Bytes(1);
        line.drill = *drill;
        line.finishedAtMs = query.Integer(3);
        line.localDay = static_cast<std::int32_t>(query.Integer(4));
        line.courseLine = query.IsNull(5) ? -1 : static_cast<std::int32_t>(query.Integer(5));
        line.characters = static_cast<std::int32_t>(query.Integer(6));
        line.errors = static_cast<std::int32_t>(query.Integer(7));
        line.keysPerMinute = static_cast<std::int32_t>(query.Integer(8));
        line.accuracy = static_cast<std::int32_t>(query.Integer(9));
        line.wordsPerMinute = static_cast<std::int32_t>(query.Integer(10));
        line.lineTimeMs = static_cast<std::int32_t>(query.Integer(11));
    }
    return lines;
}

}  // namespace zq
