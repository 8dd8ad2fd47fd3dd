#include "base/WholeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "support/TempFolder.h"

namespace zq {
namespace {

using namespace std::string_literals;
using test::TempFolder;

TEST(WholeFile, AFileIsReadWholeByteForByte) {
    TempFolder folder;
    std::string bytes = "line\r\nnul \0 and high \xFF bytes"s;
    bytes += std::string(200'000, 'x');  // more than one read takes
    folder.Write("file.bin", bytes);
    const WholeFile file = ReadWholeFile(folder.File("file.bin"));
    EXPECT_EQ(file.error, 0);
    EXPECT_TRUE(file.bytes == bytes);

    folder.Write("empty", "");
    const WholeFile empty = ReadWholeFile(folder.File("empty"));
    EXPECT_EQ(empty.error, 0);
    EXPECT_EQ(empty.bytes, "");
}

TEST(WholeFile, AFileOfTheSystemThatTellsNoSizeIsReadToItsEnd) {
    const WholeFile status = ReadWholeFile("/proc/self/status");
    ASSERT_EQ(status.error, 0);
    EXPECT_NE(status.bytes.find("Pid:"), std::string::npos);
}

TEST(WholeFile, WhyAFileCannotBeReadIsItsErrorNumber) {
    TempFolder folder;
    folder.Write("file", "bytes");
    EXPECT_EQ(ReadWholeFile(folder.File("absent")).error, ENOENT);
    EXPECT_EQ(ReadWholeFile(folder.File("file") + "/below").error, ENOTDIR);
    EXPECT_EQ(ReadWholeFile(folder.Dir()).error, EISDIR);
    EXPECT_EQ(ReadWholeFile(folder.File("absent")).bytes, "");
}

// A reader's budget refuses a larger file, whether its size tells it at
// once or it only shows while reading (the files of /proc tell no size).
TEST(WholeFile, AFileLargerThanTheBudgetIsRefused) {
    TempFolder folder;
    folder.Write("ten", "0123456789");
    EXPECT_EQ(ReadWholeFile(folder.File("ten"), 10).bytes, "0123456789");
    const WholeFile over = ReadWholeFile(folder.File("ten"), 9);
    EXPECT_EQ(over.error, EFBIG);
    EXPECT_EQ(over.bytes, "");
    EXPECT_EQ(ReadWholeFile("/proc/self/status", 10).error, EFBIG);
    EXPECT_EQ(ReadWholeFile("/proc/self/status", 1 << 20).error, 0);
}

// A device or a pipe may never end: neither is read, and a pipe without a
// writer does not hold the reader up.
TEST(WholeFile, WhatIsNoRegularFileIsRefused) {
    EXPECT_EQ(ReadWholeFile("/dev/zero").error, EINVAL);
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(folder.File("pipe")).error, EINVAL);
}

// The start of a file is judged before it is read whole: only that much is
// read, and what cannot be read whole is refused as ReadWholeFile refuses it.
TEST(WholeFile, TheStartOfAFileIsReadWithoutTheRest) {
    TempFolder folder;
    std::string bytes = "start\0"s + std::string(200'000, 'x');
    folder.Write("long", bytes);
    EXPECT_EQ(ReadFileStart(folder.File("long"), 6).bytes, "start\0"s);
    EXPECT_TRUE(ReadFileStart(folder.File("long"), 100'000).bytes == bytes.substr(0, 100'000));
    folder.Write("short", "abc");
    EXPECT_EQ(ReadFileStart(folder.File("short"), 65536).bytes, "abc");
    EXPECT_EQ(ReadFileStart(folder.File("absent"), 10).error, ENOENT);
    EXPECT_EQ(ReadFileStart(folder.Dir(), 10).error, EISDIR);
    EXPECT_EQ(ReadFileStart("/dev/zero", 10).error, EINVAL);
}

}  // namespace
}  // namespace zq
