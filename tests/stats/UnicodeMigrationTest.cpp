// A history written by the previous layout (version 2: names as 8-bit
// BLOBs, keys as 8-bit codes of the run's code page) opened by this program.
#include "stats/UnicodeMigration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "Version2History.h"
#include "base/CodePage.h"
#include "stats/HistoryStore.h"
#include "stats/Sqlite.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::FieldsAre;
using testing::TypedLine;
using testing::Version2File;

constexpr std::int32_t kDay = 19'800;

std::map<std::string, std::int64_t> RowCounts(SqliteDatabase& db) {
    std::map<std::string, std::int64_t> counts;
    for (const char* table : {"practice_line", "line_key", "line_confusion", "day_key", "day_confusion"})
        counts[table] = db.QueryInteger(std::string("SELECT count(*) FROM ") + table);
    return counts;
}

// The sums of the day tables that the lines do not give, and the other way round.
std::int64_t DaySumsThatDisagreeWithTheLines(SqliteDatabase& db) {
    const std::string keysOfLines =
        "SELECT l.user_key, l.course, l.local_day, k.code_point, sum(k.typed), sum(k.wrong), "
        "sum(k.timed_keys), sum(k.time_ms) FROM line_key k JOIN practice_line l ON l.id = k.line_id "
        "GROUP BY 1, 2, 3, 4";
    const std::string keysOfDays =
        "SELECT user_key, course, local_day, code_point, typed, wrong, timed_keys, time_ms FROM day_key";
    const std::string confusionsOfLines =
        "SELECT l.user_key, l.course, l.local_day, c.expected, c.typed, sum(c.count) "
        "FROM line_confusion c JOIN practice_line l ON l.id = c.line_id GROUP BY 1, 2, 3, 4, 5";
    const std::string confusionsOfDays =
        "SELECT user_key, course, local_day, expected, typed, count FROM day_confusion";
    std::int64_t disagreeing = 0;
    for (const auto& [a, b] :
         {std::pair{keysOfLines, keysOfDays}, std::pair{keysOfDays, keysOfLines},
          std::pair{confusionsOfLines, confusionsOfDays}, std::pair{confusionsOfDays, confusionsOfLines}}) {
        disagreeing += db.QueryInteger("SELECT count(*) FROM (" + a + " EXCEPT " + b + ")");
    }
    return disagreeing;
}

class UnicodeMigrationTest : public ::testing::Test {
protected:
    std::string Path() const { return folder.File("zqstats.db"); }

    test::TempFolder folder;
};

const std::string kJoerg8 = "J\xF6rg";     // Jörg in code page 1252
const std::string kJoerg = "J\xC3\xB6rg";  // and in UTF-8
const std::string kFrancais8 =
    "Fran\xE7"
    "ais";  // Français in code page 1252
const std::string kFrancais =
    "Fran\xC3\xA7"
    "ais";

// Lines of two courses typed in runs of two code pages: the same byte 0xE4
// is "ä" in the French course's code page (1252) and "д" in the Russian one's (1251).
TEST_F(UnicodeMigrationTest, EveryRowIsKeptWithItsCharactersReadInItsCoursesCodePage) {
    std::map<std::string, std::int64_t> before;
    {
        Version2File old(Path());
        old.AddLine(kJoerg8, kFrancais8, kDay,
                    {{'a', 4, 0, 3, 600}, {0xE4, 3, 1, 2, 700}, {0xE9, 2, 0, 2, 500}}, {{0xE4, 0xE9, 1}});
        old.AddLine(kJoerg8, kFrancais8, kDay, {{0xE4, 2, 0, 2, 400}}, {});
        old.AddLine(kJoerg8, "Russkij", kDay,
                    {{0xE4, 4, 2, 2, 900}, {0xE0, 2, 0, 2, 300}, {0xC6, 1, 1, 0, 0}},
                    {{0xE4, 0xE0, 2}, {0xC6, 0xE6, 1}});
        old.AddLine("Ann", kFrancais8, kDay - 1, {{'e', 5, 1, 4, 800}}, {{'e', 'r', 1}});
        before = RowCounts(old.Database());
    }
    std::vector<std::string> asked;
    const auto codePageOf = [&asked](std::string_view course) {
        asked.emplace_back(course);
        return course == "Russkij" ? 1251 : 1252;
    };

    HistoryStore store(Path(), codePageOf);
    SqliteDatabase& db = store.Database();

    EXPECT_EQ(db.QueryInteger("PRAGMA user_version"), CurrentHistoryVersion());
    EXPECT_EQ(RowCounts(db), before);
    EXPECT_THAT(asked, ::testing::UnorderedElementsAre(kFrancais, "Russkij")) << "course names in UTF-8";
    EXPECT_EQ(DaySumsThatDisagreeWithTheLines(db), 0);

    EXPECT_THAT(store.KeyTotals(kJoerg, kFrancais, kDay, kDay),
                ElementsAre(FieldsAre(U'a', 4, 0, 3, 600), FieldsAre(U'\u00E4', 5, 1, 4, 1100),
                            FieldsAre(U'\u00E9', 2, 0, 2, 500)));
    EXPECT_THAT(store.TopConfusions(kJoerg, kFrancais, kDay, kDay, 10),
                ElementsAre(FieldsAre(U'\u00E4', U'\u00E9', 1)));
    // User names still match without regard to ASCII case.
    EXPECT_THAT(store.KeyTotals("j\xC3\xB6RG", "Russkij", kDay, kDay),
                ElementsAre(FieldsAre(U'\u0416', 1, 1, 0, 0), FieldsAre(U'\u0430', 2, 0, 2, 300),
                            FieldsAre(U'\u0434', 4, 2, 2, 900)));
    EXPECT_THAT(store.TopConfusions(kJoerg, "Russkij", kDay, kDay, 10),
                ElementsAre(FieldsAre(U'\u0434', U'\u0430', 2), FieldsAre(U'\u0416', U'\u0436', 1)));
    EXPECT_EQ(store.DrillDays("ann", kDay - 1, kDay).at(0).characters, 5);

    SqliteStatement names = db.Prepare(
        "SELECT DISTINCT user_name, typeof(user_name), course, typeof(course) FROM practice_line "
        "WHERE user_key <> 'ann' ORDER BY course");
    ASSERT_TRUE(names.Step());
    EXPECT_EQ(names.Bytes(0) + " " + names.Bytes(1) + " " + names.Bytes(2) + " " + names.Bytes(3),
              kJoerg + " text " + kFrancais + " text");
    ASSERT_TRUE(names.Step());
    EXPECT_EQ(names.Bytes(2), "Russkij");
    EXPECT_FALSE(names.Step());
}

TEST_F(UnicodeMigrationTest, TheMigratedFileWorksAsANewOne) {
    {
        Version2File old(Path());
        old.AddLine(kJoerg8, kFrancais8, kDay, {{0xE4, 3, 1, 2, 700}}, {{0xE4, 0xE9, 1}});
        old.AddLine("Ann", kFrancais8, kDay, {{0xE4, 5, 1, 4, 800}}, {{0xE4, 'a', 1}});
    }
    HistoryStore store(Path());
    SqliteDatabase& db = store.Database();

    // New lines add to the sums of the old ones, under the same names.
    store.AddLine(TypedLine(kJoerg, kDay, U"\u00E4\u00E4", 1, DrillKind::Free, kFrancais));
    EXPECT_THAT(store.KeyTotals(kJoerg, kFrancais, kDay, kDay),
                ElementsAre(FieldsAre(U'\u00E4', 5, 2, 3, 900)));
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM day_key WHERE user_key = 'j\xC3\xB6rg'"), 1);

    // Erasing a user takes the keys of their old lines with them, and only theirs.
    store.EraseUser("ann");
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM line_key"), 2);
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM line_confusion"), 2);
    EXPECT_EQ(DaySumsThatDisagreeWithTheLines(db), 0);

    // Nothing of the old layout is left behind.
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM sqlite_schema WHERE name LIKE 'v2%'"), 0);
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM sqlite_temp_schema"), 0);
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM pragma_foreign_key_check"), 0);
    SqliteStatement integrity = db.Prepare("PRAGMA integrity_check");
    ASSERT_TRUE(integrity.Step());
    EXPECT_EQ(integrity.Bytes(0), "ok");
}

// Until courses name their code page, the one in force reads both names and keys.
TEST_F(UnicodeMigrationTest, WithoutAnAnswerTheCodePageInForceIsTaken) {
    const CodePageInForce russian(1251);
    const std::string ivan8 = "\xC8\xE2\xE0\xED";  // Иван in code page 1251
    {
        Version2File old(Path());
        old.AddLine(ivan8, "Russkij", kDay, {{0xE4, 2, 1, 1, 300}}, {{0xE4, 0xE0, 1}});
    }
    HistoryStore store(Path());
    const std::string ivan = "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";
    EXPECT_THAT(store.KeyTotals(ivan, "Russkij", kDay, kDay),
                ElementsAre(FieldsAre(U'\u0434', 2, 1, 1, 300)));
    EXPECT_THAT(store.TopConfusions(ivan, "Russkij", kDay, kDay, 10),
                ElementsAre(FieldsAre(U'\u0434', U'\u0430', 1)));
}

// Bytes a code page leaves undefined all read as U+FFFD: their figures are
// summed into one character, none lost.
TEST_F(UnicodeMigrationTest, CodesThatBecomeOneCharacterAreSummed) {
    {
        Version2File old(Path());
        old.AddLine("Ann", "English", kDay, {{0x81, 2, 1, 1, 100}, {0x8D, 3, 0, 3, 300}, {'x', 1, 0, 1, 50}},
                    {{0x81, 'x', 1}, {0x8D, 'x', 2}});
    }
    HistoryStore store(Path());
    EXPECT_THAT(store.KeyTotals("Ann", "English", kDay, kDay),
                ElementsAre(FieldsAre(U'x', 1, 0, 1, 50), FieldsAre(U'\uFFFD', 5, 1, 4, 400)));
    EXPECT_THAT(store.TopConfusions("Ann", "English", kDay, kDay, 10),
                ElementsAre(FieldsAre(U'\uFFFD', U'x', 3)));
    EXPECT_EQ(DaySumsThatDisagreeWithTheLines(store.Database()), 0);
}

}  // namespace
}  // namespace zq
