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

TEST(FileReplaceTest, OtherFailuresGiveTheSystemsReason) {
    test::TempFolder folder;
    folder.Write("plain", "x");
    EXPECT_THAT(FailureOf(folder.File("plain/zqc.ini"), "[Anna]\n"), HasSubstr(": Not a directory."));
}

}  // namespace
}  // namespace zq
