// The history file shared with other processes: a program killed while it
// writes, and two programs writing at once.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "Version2History.h"
#include "stats/PracticeHistory.h"

namespace zq {
namespace {

using testing::TypedLine;
using testing::Version2File;

constexpr std::int32_t kDay = 19'800;
// Every line has this many different keys.
const std::string kText = "the quick brown fox jumps over a lazy dog";

std::string Integrity(const std::string& path) {
    SqliteDatabase db(path, SqliteDatabase::Access::ReadOnly);
    SqliteStatement check = db.Prepare("PRAGMA integrity_check");
    return check.Step() ? check.Bytes(0) : "no answer";
}

std::int64_t DistinctKeys() {
    return static_cast<std::int64_t>(TypedLine("x", kDay, kText).keys.size());
}

TEST(HistoryProcessesTest, AProgramKilledWhileWritingLeavesEveryCompletedLine) {
    test::TempFolder folder;
    const std::string path = folder.File("zqstats.db");
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);

    const pid_t writer = fork();
    ASSERT_NE(writer, -1);
    if (writer == 0) {
        // Writes lines as fast as it can and reports each one once it is committed.
        close(reports[0]);
        HistoryStore store(path);
        for (std::int32_t line = 1;; ++line) {
            store.AddLine(TypedLine("Ann", kDay, kText, line % 3));
            if (write(reports[1], &line, sizeof line) != sizeof line) _exit(1);
        }
    }
    close(reports[1]);
    std::int32_t committed = 0;
    while (committed < 150 && read(reports[0], &committed, sizeof committed) == sizeof committed) {
    }
    kill(writer, SIGKILL);
    int status = 0;
    waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended before it was killed";
    // Lines reported before the kill took effect.
    for (std::int32_t more = 0; read(reports[0], &more, sizeof more) == sizeof more;) committed = more;
    close(reports[0]);

    EXPECT_EQ(Integrity(path), "ok");
    HistoryStore store(path);
    const std::int64_t lines = store.LineCount();
    EXPECT_GE(lines, committed);
    EXPECT_LE(lines, committed + 1);  // the line being reported when the kill came
    // Every line kept is whole: its keys are all there.
    EXPECT_EQ(store.Database().QueryInteger("SELECT count(*) FROM line_key"), lines * DistinctKeys());
    EXPECT_EQ(store.KeyTotals("Ann", "English", kDay, kDay).at(0).typed,
              lines * static_cast<std::int64_t>(std::count(kText.begin(), kText.end(), ' ')));
}

TEST(HistoryProcessesTest, TwoProgramsWritingAtOnceKeepEveryLineOfBoth) {
    test::TempFolder folder;
    const std::string path = folder.File("zqstats.db");
    constexpr int kLinesEach = 200;

    std::vector<pid_t> writers;
    for (const char* user : {"Ann", "Bob"}) {
        const pid_t writer = fork();
        ASSERT_NE(writer, -1);
        if (writer == 0) {
            bool warned = false;
            PracticeHistory history(path, [&](const std::string& text) {
                warned = true;
                std::fprintf(stderr, "%s\n", text.c_str());
            });
            for (int line = 0; line < kLinesEach; ++line) history.Record(TypedLine(user, kDay, kText, 1));
            _exit(warned ? 1 : 0);
        }
        writers.push_back(writer);
    }
    for (const pid_t writer : writers) {
        int status = 0;
        waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer gave a warning";
    }

    EXPECT_EQ(Integrity(path), "ok");
    HistoryStore store(path);
    EXPECT_EQ(store.LineCount(), 2 * kLinesEach);
    EXPECT_EQ(store.DrillDays("Ann", kDay, kDay).at(0).lines, kLinesEach);
    EXPECT_EQ(store.DrillDays("Bob", kDay, kDay).at(0).lines, kLinesEach);
    EXPECT_EQ(store.TopConfusions("Bob", "English", kDay, kDay, 1).at(0).count, kLinesEach);
}

// A file of the layout before names became UTF-8: migrated twice, "Jörg"
// would be read as UTF-8 once more and become another user.
TEST(HistoryProcessesTest, TwoProgramsOpeningAnOldFileAtOnceMigrateItOnce) {
    test::TempFolder folder;
    const std::string path = folder.File("zqstats.db");
    { Version2File(path).AddLine("J\xF6rg", "English", kDay, {{0xE4, 3, 1, 2, 400}}, {{0xE4, 'a', 1}}); }
    const std::string joerg = "J\xC3\xB6rg";

    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> programs;
    for (int program = 0; program < 2; ++program) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            close(start[1]);
            char go = 0;
            if (read(start[0], &go, 1) != 1) _exit(2);  // both begin together
            bool warned = false;
            PracticeHistory history(path, [&](const std::string& text) {
                warned = true;
                std::fprintf(stderr, "%s\n", text.c_str());
            });
            history.Record(TypedLine(joerg, kDay, U"\u00E4"));
            _exit(warned ? 1 : 0);
        }
        programs.push_back(child);
    }
    close(start[0]);
    ASSERT_EQ(write(start[1], "gg", 2), 2);
    close(start[1]);
    for (const pid_t program : programs) {
        int status = 0;
        waitpid(program, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a program gave a warning";
    }

    HistoryStore store(path);
    EXPECT_EQ(store.LineCount(), 3);
    EXPECT_EQ(store.Database().QueryInteger("SELECT count(DISTINCT user_name) FROM practice_line"), 1);
    EXPECT_EQ(
        store.Database().QueryInteger("SELECT count(*) FROM practice_line WHERE user_key = 'j\xC3\xB6rg'"),
        3);
    const std::vector<KeyTally> keys = store.KeyTotals(joerg, "English", kDay, kDay);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].character, U'\u00E4');
    EXPECT_EQ(keys[0].typed, 5);
}

}  // namespace
}  // namespace zq
