#include "stats/HistorySchema.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/AdaptiveHistory.h"
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
        // New lines add to the sums made from the old ones.
        store.AddLine(TypedLine("Ann", kDay, "t"));
        EXPECT_EQ(store.KeyTotals("Ann", "English", kDay, kDay)[1].typed, 3);
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
