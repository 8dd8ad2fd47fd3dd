#include "stats/UnicodeMigration.h"

#include <string>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "stats/Sqlite.h"

namespace zq {

namespace {

// The tables of version 2 step aside while their rows are copied. Renaming
// the lines' table also renames it in the references of its keys and
// confusions, so that dropping it later touches none of the new tables.
constexpr std::string_view kSetOldTablesAside = R"sql(
DROP INDEX practice_line_by_user_day;
ALTER TABLE practice_line RENAME TO v2_practice_line;
ALTER TABLE line_key RENAME TO v2_line_key;
ALTER TABLE line_confusion RENAME TO v2_line_confusion;
ALTER TABLE day_key RENAME TO v2_day_key;
ALTER TABLE day_confusion RENAME TO v2_day_confusion;
)sql";

// Version 3: the tables of versions 1 and 2 with names as UTF-8 text and
// keys as Unicode characters (code points).
constexpr std::string_view kVersion3Tables = R"sql(
CREATE TABLE practice_line (
    id INTEGER PRIMARY KEY,
    user_key TEXT NOT NULL,
    user_name TEXT NOT NULL,
    course TEXT NOT NULL,
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
    code_point INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    wrong INTEGER NOT NULL,
    timed_keys INTEGER NOT NULL,
    time_ms INTEGER NOT NULL,
    PRIMARY KEY (line_id, code_point)
) WITHOUT ROWID;
CREATE TABLE line_confusion (
    line_id INTEGER NOT NULL REFERENCES practice_line (id) ON DELETE CASCADE,
    expected INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    count INTEGER NOT NULL,
    PRIMARY KEY (line_id, expected, typed)
) WITHOUT ROWID;
CREATE TABLE day_key (
    user_key TEXT NOT NULL,
    course TEXT NOT NULL,
    local_day INTEGER NOT NULL,
    code_point INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    wrong INTEGER NOT NULL,
    timed_keys INTEGER NOT NULL,
    time_ms INTEGER NOT NULL,
    PRIMARY KEY (user_key, course, local_day, code_point)
) WITHOUT ROWID;
CREATE TABLE day_confusion (
    user_key TEXT NOT NULL,
    course TEXT NOT NULL,
    local_day INTEGER NOT NULL,
    expected INTEGER NOT NULL,
    typed INTEGER NOT NULL,
    count INTEGER NOT NULL,
    PRIMARY KEY (user_key, course, local_day, expected, typed)
) WITHOUT ROWID;
)sql";

// What each old name and each code of each course becomes, filled below.
constexpr std::string_view kConversionTables = R"sql(
CREATE TEMP TABLE name_in_utf8 (old BLOB PRIMARY KEY, utf8 TEXT NOT NULL);
CREATE TEMP TABLE code_in_unicode (
    course BLOB NOT NULL,
    code INTEGER NOT NULL,
    code_point INTEGER NOT NULL,
    PRIMARY KEY (course, code)
);
)sql";

// The lines, converted. A value the conversion tables do not know is kept
// as it is rather than lost; keys and confusions whose line is gone have
// no place under the new references. The sums per day are made anew from
// the converted lines, as version 2 made them, so that they agree.
constexpr std::string_view kCopyRows = R"sql(
INSERT INTO practice_line
    SELECT l.id, coalesce(k.utf8, l.user_key), coalesce(n.utf8, l.user_name), coalesce(c.utf8, l.course),
           l.drill, l.finished_at, l.local_day, l.course_line, l.characters, l.errors, l.keys_per_minute,
           l.accuracy, l.words_per_minute, l.line_time_ms
    FROM v2_practice_line l
    LEFT JOIN name_in_utf8 k ON k.old = l.user_key
    LEFT JOIN name_in_utf8 n ON n.old = l.user_name
    LEFT JOIN name_in_utf8 c ON c.old = l.course;
INSERT INTO line_key
    SELECT k.line_id, coalesce(u.code_point, k.code),
           sum(k.typed), sum(k.wrong), sum(k.timed_keys), sum(k.time_ms)
    FROM v2_line_key k
    JOIN v2_practice_line l ON l.id = k.line_id
    LEFT JOIN code_in_unicode u ON u.course = l.course AND u.code = k.code
    GROUP BY 1, 2;
INSERT INTO line_confusion
    SELECT c.line_id, coalesce(e.code_point, c.expected), coalesce(t.code_point, c.typed), sum(c.count)
    FROM v2_line_confusion c
    JOIN v2_practice_line l ON l.id = c.line_id
    LEFT JOIN code_in_unicode e ON e.course = l.course AND e.code = c.expected
    LEFT JOIN code_in_unicode t ON t.course = l.course AND t.code = c.typed
    GROUP BY 1, 2, 3;
INSERT INTO day_key
    SELECT l.user_key, l.course, l.local_day, k.code_point,
           sum(k.typed), sum(k.wrong), sum(k.timed_keys), sum(k.time_ms)
    FROM line_key k JOIN practice_line l ON l.id = k.line_id
    GROUP BY 1, 2, 3, 4;
INSERT INTO day_confusion
    SELECT l.user_key, l.course, l.local_day, c.expected, c.typed, sum(c.count)
    FROM line_confusion c JOIN practice_line l ON l.id = c.line_id
    GROUP BY 1, 2, 3, 4, 5;
)sql";

// The keys and confusions first: dropping a table of lines drops what
// still refers to it.
constexpr std::string_view kDropOldTables = R"sql(
DROP TABLE v2_line_key;
DROP TABLE v2_line_confusion;
DROP TABLE v2_practice_line;
DROP TABLE v2_day_key;
DROP TABLE v2_day_confusion;
DROP TABLE temp.name_in_utf8;
DROP TABLE temp.code_in_unicode;
)sql";

std::vector<std::string> Column(SqliteDatabase& db, std::string_view sql) {
    std::vector<std::string> values;
    SqliteStatement query = db.Prepare(sql);
    while (query.Step()) values.push_back(query.Bytes(0));
    return values;
}

// Names came from the profile file, in the code page in force.
void FillNames(SqliteDatabase& db) {
    const std::vector<std::string> names =
        Column(db,
               "SELECT user_key FROM v2_practice_line UNION SELECT user_name FROM v2_practice_line "
               "UNION SELECT course FROM v2_practice_line");
    // A name stored once as text and once as bytes is the same name.
    SqliteStatement insert = db.Prepare("INSERT OR IGNORE INTO name_in_utf8 (old, utf8) VALUES (?, ?)");
    for (const std::string& name : names) insert.BindBytes(1, name).BindText(2, ToUtf8(name)).Run();
}

void FillCodes(SqliteDatabase& db, const CourseCodePage& courseCodePage) {
    const std::vector<std::string> courses = Column(db, "SELECT DISTINCT course FROM v2_practice_line");
    SqliteStatement insert =
        db.Prepare("INSERT OR IGNORE INTO code_in_unicode (course, code, code_point) VALUES (?, ?, ?)");
    for (const std::string& course : courses) {
        const int codePage = courseCodePage ? courseCodePage(ToUtf8(course)) : SystemCodePage();
        for (int code = 0; code < 256; ++code) {
            const char32_t character = CharOfCode(static_cast<unsigned char>(code), codePage);
            insert.BindBytes(1, course).Bind(2, code).Bind(3, character).Run();
        }
    }
}

}  // namespace

void MigrateHistoryToUnicode(SqliteDatabase& db, const CourseCodePage& courseCodePage) {
    db.Execute(kSetOldTablesAside);
    db.Execute(kVersion3Tables);
    db.Execute(kConversionTables);
    FillNames(db);
    FillCodes(db, courseCodePage);
    db.Execute(kCopyRows);
    db.Execute(kDropOldTables);
}

}  // namespace zq
