#include "base/FileReplace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/ChildProcess.h"
#include "../support/SmallDisk.h"
#include "../support/TempFolder.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using ::testing::HasSubstr;

// The message of a failed replace; empty when it succeeded.
std::string FailureOf(const std::string& path, const std::string& bytes) {
    try {
        ReplaceFileContents(path, bytes);
    } catch (const LibraryError& error) {
        return error.what();
    }
    return "";
}

TEST(FileReplaceTest, AFullDiskIsNamedAsTheReasonAndTheFileStaysAsItWas) {
    test::SmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "a full disk needs a small file system, which only the superuser mounts";
    const std::string path = disk.File("zqc.ini");
    ReplaceFileContents(path, "[Anna]\nProgress=1\n");
    disk.Fill();

    EXPECT_EQ(FailureOf(path, "[Anna]\nProgress=2\n" + std::string(8192, ' ')),
              "Unable to write to " + path + ": the disk is full.");
    EXPECT_EQ(disk.Folder().Read("zqc.ini"), "[Anna]\nProgress=1\n");
    EXPECT_EQ(disk.Folder().EntryCount(), 2u) << "the file and the filler alone";

    disk.Free();
    EXPECT_EQ(FailureOf(path, "[Anna]\nProgress=2\n"), "");
}

// The superuser may write anywhere: the scenario runs as "nobody" then.
TEST(FileReplaceTest, AFolderWithoutWritePermissionIsNamedAsTheReason) {
    test::TempFolder folder;
    const std::string path = folder.File("readonly/zqc.ini");
    std::filesystem::create_directory(folder / "readonly");
    chmod(folder.Dir().c_str(), 0755);
    chmod((folder / "readonly").c_str(), 0555);
    test::ChildProcess writer([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
        return FailureOf(path, "[Anna]\n") ==
                       "Unable to write to " + path + ": you have no permission to write there."
                   ? 0
                   : 1;
    });
    EXPECT_EQ(writer.Wait(), 0);
    EXPECT_EQ(std::filesystem::exists(path), false);
}

// Its owner made the file read-only (a teacher keeping the profiles as they
// are): the folder would let a new file take its place, but it is not
// replaced, whoever runs the program.
TEST(FileReplaceTest, AFileMadeReadOnlyIsNotReplaced) {
    test::TempFolder folder;
    const std::string path = folder.Write("zqc.ini", "[Anna]\nProgress=3\n");
    chmod(path.c_str(), 0444);
    EXPECT_EQ(FailureOf(path, "[Anna]\nProgress=4\n"),
              "Unable to write to " + path + ": you have no permission to write there.");
    EXPECT_EQ(folder.Read("zqc.ini"), "[Anna]\nProgress=3\n");
    EXPECT_EQ(folder.EntryCount(), 1u) << "nothing left beside it";
}

TEST(FileReplaceTest, OtherFailuresGiveTheSystemsReason) {
    test::TempFolder folder;
    folder.Write("plain", "x");
    EXPECT_THAT(FailureOf(folder.File("plain/zqc.ini"), "[Anna]\n"), HasSubstr(": Not a directory."));
}

// The id of a process that has ended: a child that was waited for.
pid_t EndedProcess() {
    test::ChildProcess child([] { return 0; });
    const pid_t pid = child.Pid();
    child.Wait();
    return pid;
}

TEST(FileReplaceTest, TemporariesOfKilledProgramsAreRemovedAndThoseOfRunningOnesKept) {
    test::TempFolder folder;
    test::Handshake started;
    test::ChildProcess running([&] {
        started.Signal();
        pause();
        return 0;
    });
    ASSERT_TRUE(started.Wait());
    const std::string dead = std::to_string(EndedProcess());
    const std::string alive = std::to_string(running.Pid());

    folder.Write("zqc.ini", "[Anna]\n");
    folder.Write("zqc.ini.tmp-" + dead + "-0", "[Anna]\nProgress=4\n");
    folder.Write("zq.ini.tmp-" + dead + "-17", "");
    // A copy of the practice history cut short, with the journal SQLite keeps beside it.
    folder.Write("zqstats.db.tmp-" + dead + "-2", "half a history");
    folder.Write("zqstats.db.tmp-" + dead + "-2-journal", "its journal");
    folder.Write("zqc.ini.tmp-" + alive + "-3", "being written");
    folder.Write("zqc.ini.tmp-" + std::to_string(getpid()) + "-1", "this program's own");
    // Names that only look like temporaries are someone's files.
    for (const std::string& name : std::vector<std::string>{"notes.tmp-" + dead, "notes.tmp-" + dead + "-x",
                                                            ".tmp-" + dead + "-0", "zqc.ini.lock"}) {
        folder.Write(name, "kept");
    }

    RemoveStaleTemporaries(folder.Dir());

    EXPECT_FALSE(std::filesystem::exists(folder / ("zqc.ini.tmp-" + dead + "-0")));
    EXPECT_FALSE(std::filesystem::exists(folder / ("zq.ini.tmp-" + dead + "-17")));
    EXPECT_FALSE(std::filesystem::exists(folder / ("zqstats.db.tmp-" + dead + "-2")));
    EXPECT_FALSE(std::filesystem::exists(folder / ("zqstats.db.tmp-" + dead + "-2-journal")));
    EXPECT_EQ(folder.Read("zqc.ini.tmp-" + alive + "-3"), "being written");
    EXPECT_EQ(folder.Read("zqc.ini.tmp-" + std::to_string(getpid()) + "-1"), "this program's own");
    EXPECT_EQ(folder.Read("zqc.ini"), "[Anna]\n");
    EXPECT_EQ(folder.EntryCount(), 7u);
}

TEST(FileReplaceTest, AFolderThatCannotBeListedRaisesNothing) {
    test::TempFolder folder;
    EXPECT_NO_THROW(RemoveStaleTemporaries(folder.File("missing")));
    EXPECT_NO_THROW(RemoveStaleTemporaries(folder.Write("plain", "")));
}

}  // namespace
}  // namespace zq
