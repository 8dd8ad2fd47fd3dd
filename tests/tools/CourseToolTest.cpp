// The course tool run as a program: what "make" says and ends with for a
// layout whose letters its language's code page lacks and for a dictionary
// none of whose words it uses, and how "check" counts the faults it found.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ToolRun.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using testing::ToolRun;

// Runs zq-course with the arguments.
ToolRun RunTool(const test::TempFolder& folder, const std::vector<std::string>& args) {
    return testing::RunTool(ZQ_COURSE_TOOL, folder, args);
}

TEST(CourseMakeCommand, ALayoutWhoseLettersItsCodePageLacksEndsWithStatus3NamingThem) {
    test::TempFolder folder;
    const ToolRun run = RunTool(folder, {"make", "kz", folder.File("Kazakh"), "--no-dictionary"});
    EXPECT_EQ(run.exitStatus, 3) << run.out << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("ә ң ғ ү ұ қ ө һ"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "Kazakh"));
}

TEST(CourseMakeCommand, ADictionaryOfWhichNoWordIsUsedIsNotNamedAsTheSource) {
    test::TempFolder folder;
    const ToolRun run = RunTool(folder, {"make", "ru", folder.File("Russian"), "--dictionary",
                                         std::string(ZQ_TEST_DATA_DIR) + "/course/en_test.dic"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find("Made "), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Words from"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("has no words this keyboard types"), std::string::npos) << run.err;
}

TEST(CourseCheckCommand, TheSummaryCountsEachFaultFoundOnce) {
    test::TempFolder folder;
    ASSERT_EQ(RunTool(folder, {"make", "us", folder.File("US"), "--no-dictionary"}).exitStatus, 0);
    folder.Write("US/Practice.txt", "caf\xC3\xA9\n");
    ToolRun run = RunTool(folder, {"check", folder.File("US")});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.out.find(": code page 1252, 1 fault\n"), std::string::npos) << run.out;

    std::string lines;
    for (int i = 0; i < 25; ++i) lines += "\xC3\xA9\n";
    folder.Write("US/Practice.txt", lines);
    run = RunTool(folder, {"check", folder.File("US")});
    EXPECT_NE(run.out.find("15 more like these"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(": code page 1252, 25 faults (10 told one by one)\n"), std::string::npos)
        << run.out;
}

// No folder, no course: the summary names no code page it was read in.
TEST(CourseCheckCommand, AFolderThatIsNotThereIsToldWithoutACodePage) {
    test::TempFolder folder;
    const ToolRun run = RunTool(folder, {"check", folder.File("Nowhere")});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.out.find("does not exist"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("code page"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Nowhere: 1 fault\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace zq
