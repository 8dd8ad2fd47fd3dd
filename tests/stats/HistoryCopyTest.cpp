#include "stats/HistoryCopy.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/HistoryStore.h"

namespace zq {
namespace {

using test::TempFolder;
using testing::TypedLine;

constexpr std::int32_t kDay = 20000;

class HistoryCopyTest : public ::testing::Test {
protected:
    std::int64_t LinesOf(const std::string& path, const std::string& user) {
        std::int64_t lines = 0;
        for (const DrillDay& day : HistoryStore(path).DrillDays(user, kDay, kDay)) lines += day.lines;
        return lines;
    }

    TempFolder from;
    TempFolder to;
};

TEST_F(HistoryCopyTest, TheCopyHoldsEveryLineAndTheOriginalStaysAsItWas) {
    {
        HistoryStore store(from.File("zqstats.db"));
        store.AddLine(TypedLine("Maria", kDay, "abc"));
        store.AddLine(TypedLine("Maria", kDay, "def", 1));
    }
    const std::string original = from.Read("zqstats.db");

    CopyHistoryFile(from.File("zqstats.db"), to.File("zqstats.db"));

    EXPECT_EQ(from.Read("zqstats.db"), original);
    EXPECT_EQ(to.EntryCount(), 1u) << "nothing but the copy is left behind";
    EXPECT_EQ(LinesOf(to.File("zqstats.db"), "Maria"), 2);
}

TEST_F(HistoryCopyTest, LinesStillInTheWriteAheadLogOfARunningProgramAreCopied) {
    HistoryStore running(from.File("zqstats.db"));
    running.AddLine(TypedLine("Maria", kDay, "abc"));
    running.AddLine(TypedLine("Maria", kDay, "def"));
    ASSERT_TRUE(std::filesystem::exists(from.File("zqstats.db-wal")));
    ASSERT_GT(std::filesystem::file_size(from.File("zqstats.db-wal")), 0u);

    CopyHistoryFile(from.File("zqstats.db"), to.File("zqstats.db"));

    EXPECT_EQ(LinesOf(to.File("zqstats.db"), "Maria"), 2);
}

TEST_F(HistoryCopyTest, AFileThatIsNoHistoryRaisesAndLeavesNothingBehind) {
    from.Write("zqstats.db", std::string(4096, 'x'));
    EXPECT_THROW(CopyHistoryFile(from.File("zqstats.db"), to.File("zqstats.db")), SqliteError);
    EXPECT_EQ(to.EntryCount(), 0u);
    EXPECT_EQ(from.Read("zqstats.db"), std::string(4096, 'x'));
}

TEST_F(HistoryCopyTest, AMissingHistoryRaisesAndLeavesNothingBehind) {
    EXPECT_THROW(CopyHistoryFile(from.File("zqstats.db"), to.File("zqstats.db")), SqliteError);
    EXPECT_EQ(to.EntryCount(), 0u);
    EXPECT_EQ(from.EntryCount(), 0u);
}

}  // namespace
}  // namespace zq
