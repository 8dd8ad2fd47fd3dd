#include "stats/HistorySchema.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/AdaptiveHistory.h"
#include "stats/GameHistory.h"
#include "stats/HistoryStore.h"
#include "stats/Sqlite.h"

namespace zq {
namespace {

using testing::TypedLine;

constexpr std::int32_t kDay = 19'800;

std::int64_t Version(SqliteDatabase& db) {
    return db.QueryInteger("PRAGMA user_version");
}

class HistorySchemaTest : public ::testing::Test {
protected:
    std::string Path() const { return folder.File("zqstats.db"); }
    test::TempFolder folder;
};

TEST_F(HistorySchemaTest, ANewFileGetsTheCurrentLayout) {
    SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
    MigrateHistory(db);
    EXPECT_EQ(Version(db), CurrentHistoryVersion());
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM sqlite_schema WHERE name = 'day_key'"), 1);
    MigrateHistory(db);  // a second opening changes nothing
    EXPECT_EQ(Version(db), CurrentHistoryVersion());
}

// A file of every earlier version, with lines in it, opens with its lines
// and gets the sums the window reads.
TEST_F(HistorySchemaTest, AFileOfEveryEarlierVersionIsBroughtUpToDateWithItsLines) {
    for (int version = 1; version < CurrentHistoryVersion(); ++version) {
        SCOPED_TRACE("version " + std::to_string(version));
        const std::string path = folder.File(std::to_string(version) + ".db");
        {
            SqliteDatabase db(path, SqliteDatabase::Access::ReadWriteCreate);
            MigrateHistory(db, version);
            ASSERT_EQ(Version(db), version);
            if (version < 3) {
                // A line as version 1 stores it (version 3 makes the sums of version 2 anew).
                db.Execute(
                    "INSERT INTO practice_line VALUES (1, x'616e6e', x'416e6e', x'456e676c697368', 'course', "
                    "1710000000000, 19800, 3, 3, 1, 180, 66, 60, 1000);"
                    "INSERT INTO line_key VALUES (1, 116, 2, 1, 1, 250), (1, 97, 1, 0, 1, 150);"
                    "INSERT INTO line_confusion VALUES (1, 116, 114, 1);");
            } else {
                // The same line as version 3 stores it, with its sums.
                db.Execute(
                    "INSERT INTO practice_line VALUES (1, 'ann', 'Ann', 'English', 'course', "
                    "1710000000000, 19800, 3, 3, 1, 180, 66, 60, 1000);"
                    "INSERT INTO line_key VALUES (1, 116, 2, 1, 1, 250), (1, 97, 1, 0, 1, 150);"
                    "INSERT INTO line_confusion VALUES (1, 116, 114, 1);"
                    "INSERT INTO day_key VALUES ('ann', 'English', 19800, 116, 2, 1, 1, 250), "
                    "('ann', 'English', 19800, 97, 1, 0, 1, 150);"
                    "INSERT INTO day_confusion VALUES ('ann', 'English', 19800, 116, 114, 1);");
            }
        }
        HistoryStore store(path);
        EXPECT_EQ(Version(store.Database()), CurrentHistoryVersion());
        EXPECT_EQ(store.LineCount(), 1);
        const auto keys = store.KeyTotals("ANN", "English", kDay, kDay);
        ASSERT_EQ(keys.size(), 2u);
        EXPECT_EQ(keys[1].character, U't');
        EXPECT_EQ(keys[1].typed, 2);
        EXPECT_EQ(keys[1].wrong, 1);
        EXPECT_EQ(keys[1].timeMs, 250);
        const auto confusions = store.TopConfusions("Ann", "English", kDay, kDay, 10);
        ASSERT_EQ(confusions.size(), 1u);
        EXPECT_EQ(confusions[0].typed, 'r');
        // The adaptive drill starts afresh on the old lines' strokes.
        EXPECT_EQ(ReadKeysInPlay(store, "Ann", "English"), 0);
        EXPECT_EQ(RecentLineKeys(store, "Ann", "English", 10).size(), 1u);
        // Lines of older versions have no pairs; new lines add theirs.
        EXPECT_TRUE(store.PairTotals("Ann", "English", kDay, kDay).empty());
        // New lines add to the sums made from the old ones.
        store.AddLine(TypedLine("Ann", kDay, "ta"));
        EXPECT_EQ(store.KeyTotals("Ann", "English", kDay, kDay)[1].typed, 3);
        EXPECT_EQ(store.PairTotals("Ann", "English", kDay, kDay).size(), 1u);
        EXPECT_EQ(store.LinesOf("Ann").size(), 2u);
    }
}

// Every row of a table, in the order of its key, as one text.
std::string Rows(SqliteDatabase& db, const std::string& table, int columns) {
    std::string order = "1";
    for (int column = 2; column <= columns; ++column) order += ", " + std::to_string(column);
    SqliteStatement query = db.Prepare("SELECT * FROM " + table + " ORDER BY " + order);
    std::string rows;
    while (query.Step()) {
        for (int column = 0; column < columns; ++column) rows += query.Bytes(column) + "|";
        rows += "\n";
    }
    return rows;
}

// A file with lines of two users on two days, as versions 3 to 5 keep
// them (UTF-8 names, Unicode keys, the sums per day); version 4 adds the
// adaptive drill of one, version 5 the pairs of keys of a line.
void FillOlderFile(SqliteDatabase& db, int version) {
    db.Execute(
        "INSERT INTO practice_line VALUES "
        "(1, 'ann', 'Ann', 'English', 'course', 1710000000000, 19800, 3, 5, 1, 180, 80, 36, 1000),"
        "(2, 'ann', 'Ann', 'English', 'free', 1710086400000, 19801, NULL, 4, 0, 240, 100, 60, 1000),"
        "(3, 'bob', 'Bob', 'Deutsch', 'sentence', 1710000000000, 19800, NULL, 2, 1, 120, 50, 60, 1000);"
        "INSERT INTO line_key VALUES (1, 116, 3, 1, 2, 500), (1, 104, 2, 0, 2, 300),"
        "(2, 97, 4, 0, 3, 450), (3, 228, 2, 1, 1, 400);"
        "INSERT INTO line_confusion VALUES (1, 116, 114, 1), (3, 228, 233, 1);"
        "INSERT INTO day_key VALUES ('ann', 'English', 19800, 116, 3, 1, 2, 500),"
        "('ann', 'English', 19800, 104, 2, 0, 2, 300), ('ann', 'English', 19801, 97, 4, 0, 3, 450),"
        "('bob', 'Deutsch', 19800, 228, 2, 1, 1, 400);"
        "INSERT INTO day_confusion VALUES ('ann', 'English', 19800, 116, 114, 1),"
        "('bob', 'Deutsch', 19800, 228, 233, 1);");
    if (version >= 4) db.Execute("INSERT INTO adaptive_drill VALUES ('ann', 'English', 6);");
    if (version >= 5) {
        db.Execute(
            "INSERT INTO line_pair VALUES (1, 116, 104, 1, 0, 1, 180), (2, 97, 97, 3, 0, 3, 450);"
            "INSERT INTO day_pair VALUES ('ann', 'English', 19800, 116, 104, 1, 0, 1, 180),"
            "('ann', 'English', 19801, 97, 97, 3, 0, 3, 450);");
    }
}

// The steps after version 3 add tables and change nothing else: a file of
// version 3, 4 or 5 keeps every row of its lines, keys, confusions, sums,
// adaptive drill and pairs, its lines are read back whole, and the learner
// starts without kept games.
TEST_F(HistorySchemaTest, LaterStepsKeepEveryRowOfAFileOfVersion3To5) {
    std::vector<std::pair<std::string, int>> tables = {
        {"practice_line", 14}, {"line_key", 6}, {"line_confusion", 4}, {"day_key", 8}, {"day_confusion", 6}};
    for (const int version : {3, 4, 5}) {
        SCOPED_TRACE("version " + std::to_string(version));
        if (version == 4) tables.emplace_back("adaptive_drill", 3);
        if (version == 5) {
            tables.emplace_back("line_pair", 7);
            tables.emplace_back("day_pair", 9);
        }
        const std::string path = folder.File("rows" + std::to_string(version) + ".db");
        std::vector<std::string> before;
        {
            SqliteDatabase db(path, SqliteDatabase::Access::ReadWriteCreate);
            MigrateHistory(db, version);
            FillOlderFile(db, version);
            for (const auto& [table, columns] : tables) before.push_back(Rows(db, table, columns));
        }
        ASSERT_EQ(std::ranges::count(before[0], '\n'), 3) << "the lines were written";

        HistoryStore store(path);
        EXPECT_EQ(Version(store.Database()), CurrentHistoryVersion());
        for (std::size_t i = 0; i < tables.size(); ++i) {
            SCOPED_TRACE(tables[i].first);
            EXPECT_EQ(Rows(store.Database(), tables[i].first, tables[i].second), before[i]);
        }
        const std::vector<LineRecord> lines = store.LinesOf("Ann");
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].courseLine, 3);
        EXPECT_EQ(lines[1].courseLine, -1);
        EXPECT_EQ(lines[1].drill, DrillKind::Free);
        EXPECT_EQ(store.KeyTotals("Bob", "Deutsch", kDay, kDay).at(0).character, U'\u00E4');
        EXPECT_EQ(ReadKeysInPlay(store, "Ann", "English"), version >= 4 ? 6 : 0);
        EXPECT_EQ(store.PairTotals("Ann", "English", kDay, kDay + 1).size(), version == 5 ? 2u : 0u);
        // A line typed now keeps its pairs beside the old lines.
        store.AddLine(TypedLine("Ann", kDay, "tat"));
        EXPECT_EQ(store.PairTotals("Ann", "English", kDay, kDay).size(), version == 5 ? 3u : 2u);
        EXPECT_EQ(store.LinesOf("Ann").size(), 3u);
        EXPECT_TRUE(BestGames(store, "Ann").empty());
        EXPECT_GT(OfferGame(store, {.user = "Ann", .course = "English", .difficulty = 3, .score = 1600}), 0);
        EXPECT_EQ(BestGames(store, "ann").size(), 1u);
    }
}

TEST_F(HistorySchemaTest, AFileOfANewerProgramIsLeftAlone) {
    {
        SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
        db.Execute("PRAGMA user_version = " + std::to_string(CurrentHistoryVersion() + 1));
    }
    SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
    EXPECT_THROW(MigrateHistory(db), NewerHistoryError);
    EXPECT_EQ(Version(db), CurrentHistoryVersion() + 1);
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM sqlite_schema"), 0);
}

// The version is a signed number in the file's header: below 0, the header
// is damaged, and no migration leads from there.
TEST_F(HistorySchemaTest, AFileWithAVersionBelowZeroIsDamagedAndLeftUntouched) {
    {
        SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
        db.Execute("PRAGMA user_version = -1");
    }
    SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
    try {
        MigrateHistory(db);
        ADD_FAILURE() << "no error";
    } catch (const SqliteError& error) {
        EXPECT_TRUE(error.IsDamage()) << error.what();
    }
    EXPECT_EQ(Version(db), -1);
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM sqlite_schema"), 0);
}

}  // namespace
}  // namespace zq
