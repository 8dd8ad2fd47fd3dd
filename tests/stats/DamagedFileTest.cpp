#include "stats/DamagedFile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <filesystem>

#include "../support/TempFolder.h"

namespace zq {
namespace {

constexpr std::int64_t kNow = 1'709'985'600'000;  // 2024-03-09 12:00:00 UTC

class DamagedFileTest : public ::testing::Test {
protected:
    DamagedFileTest() { setenv("TZ", "UTC", 1), tzset(); }
    test::TempFolder folder;
};

TEST_F(DamagedFileTest, TheFileAndItsLogMoveToADatedNameWithTheirContent) {
    folder.Write("zqstats.db", "pages");
    folder.Write("zqstats.db-wal", "log");
    const std::string aside = SetDamagedFileAside(folder.File("zqstats.db"), kNow);
    EXPECT_EQ(aside, folder.File("zqstats.db.damaged-20240309-120000"));
    EXPECT_EQ(folder.Read("zqstats.db.damaged-20240309-120000"), "pages");
    EXPECT_EQ(folder.Read("zqstats.db.damaged-20240309-120000-wal"), "log");
    EXPECT_FALSE(std::filesystem::exists(folder.File("zqstats.db")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("zqstats.db-wal")));
}

TEST_F(DamagedFileTest, ANameAlreadyTakenIsNeverOverwritten) {
    folder.Write("zqstats.db", "second");
    folder.Write("zqstats.db.damaged-20240309-120000", "first");
    const std::string aside = SetDamagedFileAside(folder.File("zqstats.db"), kNow);
    EXPECT_EQ(aside, folder.File("zqstats.db.damaged-20240309-120000-2"));
    EXPECT_EQ(folder.Read("zqstats.db.damaged-20240309-120000"), "first");
    EXPECT_EQ(folder.Read("zqstats.db.damaged-20240309-120000-2"), "second");
}

}  // namespace
}  // namespace zq
