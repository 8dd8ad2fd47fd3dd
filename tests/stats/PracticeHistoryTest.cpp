#include "stats/PracticeHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "../support/SmallDisk.h"
#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/HistorySchema.h"

namespace zq {
namespace {

using ::testing::HasSubstr;
using testing::TypedLine;

constexpr std::int32_t kDay = 19'800;

// Runs a scenario about permissions as an ordinary user: the superuser may
// write into any file or folder. Under the superuser it runs in a child
// process that has given up its rights (as "nobody").
template <class Scenario>
void AsOrdinaryUser(Scenario scenario) {
    if (geteuid() != 0) {
        scenario();
        return;
    }
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        if (dropped) scenario();
        _exit(dropped && !::testing::Test::HasFailure() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the scenario failed as an ordinary user";
}
// 2024-03-09 12:00:00 UTC
constexpr std::int64_t kNow = 1'709'985'600'000;

class PracticeHistoryTest : public ::testing::Test {
protected:
    PracticeHistoryTest() { setenv("TZ", "UTC", 1), tzset(); }

    std::string Path() const { return folder.File("zqstats.db"); }
    PracticeHistory History() {
        return PracticeHistory(
            Path(), [this](const std::string& text) { warnings.push_back(text); }, [] { return kNow; });
    }
    std::int64_t StoredLines() { return HistoryStore(Path()).LineCount(); }

    test::TempFolder folder;
    std::vector<std::string> warnings;
};

TEST_F(PracticeHistoryTest, TheFileIsCreatedAtTheFirstLineAndNotBefore) {
    PracticeHistory history = History();
    EXPECT_FALSE(std::filesystem::exists(Path()));
    history.Record(TypedLine("Ann", kDay, "abc"));
    history.Record(TypedLine("Ann", kDay, "abc"));
    EXPECT_EQ(StoredLines(), 2);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(PracticeHistoryTest, ADamagedFileIsKeptAsideAndANewHistoryStarted) {
    const std::string garbage(8192, '\x5A');
    folder.Write("zqstats.db", garbage);
    PracticeHistory history = History();

    history.Record(TypedLine("Ann", kDay, "abc"));

    const std::string aside = "zqstats.db.damaged-20240309-120000";
    EXPECT_EQ(folder.Read(aside), garbage);  // kept byte for byte
    EXPECT_EQ(StoredLines(), 1);             // the line went into the new file
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr(aside));
}

TEST_F(PracticeHistoryTest, ADamagedPageFoundWhileWritingSetsTheFileAsideToo) {
    {
        HistoryStore store(Path());
        for (int i = 0; i < 300; ++i) store.AddLine(TypedLine("Ann", kDay, "the quick brown fox", 2));
        store.Database().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    // Scribble over the pages after the first: the header still says
    // "SQLite", the tables do not make sense any more.
    std::string bytes = folder.Read("zqstats.db");
    ASSERT_GT(bytes.size(), 16384u);
    for (size_t i = 4096 * 2; i < bytes.size(); i += 7) bytes[i] = '\x7F';
    folder.Write("zqstats.db", bytes);

    PracticeHistory history = History();
    for (int i = 0; i < 3; ++i) history.Record(TypedLine("Ann", kDay, "abc"));

    EXPECT_TRUE(std::filesystem::exists(folder.File("zqstats.db.damaged-20240309-120000")));
    EXPECT_EQ(StoredLines(), 3);
    EXPECT_EQ(warnings.size(), 1u);
}

// A version below 0, set by hand or by damaged header bytes, is a damaged
// file: the program that opened it must not migrate it from there. It is
// set aside with what it holds, and the lines go into a new file.
TEST_F(PracticeHistoryTest, AFileWithAVersionBelowZeroIsSetAsideAsDamaged) {
    {
        SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
        db.Execute("CREATE TABLE kept (what TEXT); INSERT INTO kept VALUES ('old lines');");
        db.Execute("PRAGMA user_version = -1");
    }
    PracticeHistory history = History();
    for (int i = 0; i < 2; ++i) history.Record(TypedLine("Ann", kDay, "abc"));

    EXPECT_EQ(StoredLines(), 2);
    ASSERT_EQ(warnings.size(), 1u);
    const std::string aside = "zqstats.db.damaged-20240309-120000";
    EXPECT_THAT(warnings[0], HasSubstr(aside));
    SqliteDatabase kept(folder.File(aside), SqliteDatabase::Access::ReadOnly);
    EXPECT_EQ(kept.QueryInteger("PRAGMA user_version"), -1);
    EXPECT_EQ(kept.QueryInteger("SELECT count(*) FROM kept WHERE what = 'old lines'"), 1);
}

TEST_F(PracticeHistoryTest, AFileWhoseHeaderGivesAVersionBelowZeroIsSetAsideAsDamaged) {
    { HistoryStore(Path()).AddLine(TypedLine("Ann", kDay, "abc")); }
    std::string bytes = folder.Read("zqstats.db");
    ASSERT_GT(bytes.size(), 64u);
    bytes.replace(60, 4, "\x80\0\0\x07", 4);  // the version: a big-endian signed number
    folder.Write("zqstats.db", bytes);

    PracticeHistory history = History();
    for (int i = 0; i < 2; ++i) history.Record(TypedLine("Ann", kDay, "abc"));

    EXPECT_EQ(StoredLines(), 2);
    ASSERT_EQ(warnings.size(), 1u);
    const std::string aside = "zqstats.db.damaged-20240309-120000";
    EXPECT_THAT(warnings[0], HasSubstr(aside));
    EXPECT_TRUE(folder.Read(aside) == bytes) << "kept byte for byte";
}

TEST_F(PracticeHistoryTest, AFolderThatCannotBeWrittenGivesOneWarningAndTheDrillGoesOn) {
    chmod(folder.Dir().c_str(), 0555);
    AsOrdinaryUser([this] {
        PracticeHistory history = History();
        for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(history.Record(TypedLine("Ann", kDay, "abc")));
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_THAT(warnings[0], HasSubstr(Path()));
    });
    chmod(folder.Dir().c_str(), 0755);
    EXPECT_EQ(folder.EntryCount(), 0u);
}

// The file SQLite makes before it finds the disk full holds nothing; left
// behind, it would pass for an empty history.
TEST_F(PracticeHistoryTest, AFullDiskLeavesNoEmptyFileAndTheLinesAfterRoomIsMadeGetIn) {
    test::SmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "a full disk needs a small file system, which only the superuser mounts";
    const std::string path = disk.File("zqstats.db");
    PracticeHistory history(
        path, [this](const std::string& text) { warnings.push_back(text); }, [] { return kNow; });
    disk.Fill();
    history.Record(TypedLine("Ann", kDay, "abc"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("full"));
    EXPECT_EQ(disk.Folder().EntryCount(), 1u) << "only the filler: no database, journal or index file";

    disk.Free();
    history.Record(TypedLine("Ann", kDay, "abc"));
    EXPECT_EQ(HistoryStore(path).LineCount(), 1);
}

TEST_F(PracticeHistoryTest, AFullDiskLeavesAHistoryWithLinesAsItWas) {
    test::SmallDisk disk(2);
    if (!disk.Mounted())
        GTEST_SKIP() << "a full disk needs a small file system, which only the superuser mounts";
    const std::string path = disk.File("zqstats.db");
    { HistoryStore(path).AddLine(TypedLine("Ann", kDay, "abc")); }
    PracticeHistory history(
        path, [this](const std::string& text) { warnings.push_back(text); }, [] { return kNow; });
    disk.Fill();
    for (int i = 0; i < 50; ++i) history.Record(TypedLine("Ann", kDay, "the quick brown fox jumps", i % 3));
    disk.Free();
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_GE(HistoryStore(path).LineCount(), 1);
}

TEST_F(PracticeHistoryTest, AReadOnlyFileGivesOneWarningAndKeepsItsLines) {
    { HistoryStore(Path()).AddLine(TypedLine("Ann", kDay, "abc")); }
    chmod(folder.Dir().c_str(), 0777);
    chmod(Path().c_str(), 0444);
    AsOrdinaryUser([this] {
        PracticeHistory history = History();
        for (int i = 0; i < 3; ++i) history.Record(TypedLine("Ann", kDay, "abc"));
        EXPECT_EQ(warnings.size(), 1u);
    });
    chmod(Path().c_str(), 0644);
    EXPECT_EQ(StoredLines(), 1);
}

TEST_F(PracticeHistoryTest, APathThatIsAFolderGivesOneWarning) {
    std::filesystem::create_directory(Path());
    PracticeHistory history = History();
    for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(history.Record(TypedLine("Ann", kDay, "abc")));
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

TEST_F(PracticeHistoryTest, AFileLockedByAnotherProgramGivesOneWarningAndLaterLinesGetIn) {
    HistoryStore other(Path());
    PracticeHistory history = History();
    {
        SqliteTransaction holdsTheLock(other.Database());
        history.Record(TypedLine("Ann", kDay, "abc"));
        history.Record(TypedLine("Ann", kDay, "abc"));
    }
    history.Record(TypedLine("Ann", kDay, "abc"));
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_EQ(other.LineCount(), 1);
}

TEST_F(PracticeHistoryTest, AFileOfANewerProgramIsNeitherWrittenNorSetAside) {
    {
        SqliteDatabase db(Path(), SqliteDatabase::Access::ReadWriteCreate);
        db.Execute("PRAGMA user_version = 99");
    }
    PracticeHistory history = History();
    history.Record(TypedLine("Ann", kDay, "abc"));
    history.Record(TypedLine("Ann", kDay, "abc"));
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("newer"));
    SqliteDatabase db(Path(), SqliteDatabase::Access::ReadOnly);
    EXPECT_EQ(db.QueryInteger("PRAGMA user_version"), 99);
    EXPECT_EQ(db.QueryInteger("SELECT count(*) FROM sqlite_schema"), 0);
}

TEST_F(PracticeHistoryTest, ErasingAUserWorksOnTheFileAndReportsFailure) {
    PracticeHistory history = History();
    history.Record(TypedLine("Ann", kDay, "abc"));
    history.Record(TypedLine("Bob", kDay, "abc"));
    EXPECT_TRUE(history.EraseUser("ann"));
    std::int64_t annLines = -1;
    EXPECT_TRUE(history.Read([&](HistoryStore& store) {
        annLines = static_cast<std::int64_t>(store.DrillDays("Ann", kDay, kDay).size());
    }));
    EXPECT_EQ(annLines, 0);
    EXPECT_EQ(StoredLines(), 1);
}

}  // namespace
}  // namespace zq
