// The template tool run as a program: from-xkb's errors, and the shipped
// keyboard descriptions built into templates that the program's own store
// loads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "ToolRun.h"
#include "base/TextFile.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using testing::ToolRun;

// Runs zq-template with the arguments.
ToolRun RunTool(const test::TempFolder& folder, const std::vector<std::string>& args) {
    return testing::RunTool(ZQ_TEMPLATE_TOOL, folder, args);
}

TEST(FromXkbCommand, UnknownLayoutFailsInWordsAndWritesNothing) {
    test::TempFolder folder;
    const ToolRun run = RunTool(folder, {"from-xkb", "zz"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no keyboard layout 'zz'"), std::string::npos) << run.err;
}

TEST(FromXkbCommand, WrongArgumentsShowTheUsage) {
    test::TempFolder folder;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"from-xkb"},
                                               {"from-xkb", "de", "--code-page"},
                                               {"from-xkb", "de", "--code-page", "x"},
                                               {"from-xkb", "de", "fr"}}) {
        const ToolRun run = RunTool(folder, args);
        EXPECT_EQ(run.exitStatus, 2) << args.back();
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << run.err;
    }
    const ToolRun unknownCodePage = RunTool(folder, {"from-xkb", "de", "--code-page", "4711"});
    EXPECT_EQ(unknownCodePage.exitStatus, 1);
    EXPECT_NE(unknownCodePage.err.find("4711"), std::string::npos) << unknownCodePage.err;
}

// A Polish keyboard shows Polish letters without being told the code page;
// one that lacks them is said to.
TEST(FromXkbCommand, TakesTheCodePageOfTheLayoutsLanguageAndNamesTheLettersAGivenOneLacks) {
    test::TempFolder folder;
    const ToolRun polish = RunTool(folder, {"from-xkb", "pl"});
    ASSERT_EQ(polish.exitStatus, 0) << polish.err;
    EXPECT_TRUE(polish.out.starts_with("# Made by: zq-template from-xkb pl --code-page 1250\n"))
        << polish.out;
    EXPECT_NE(polish.out.find("\xC5\x82"), std::string::npos) << "\xC5\x82 on its key";
    EXPECT_EQ(polish.err, "");

    const ToolRun western = RunTool(folder, {"from-xkb", "pl", "--code-page", "1252"});
    EXPECT_EQ(western.exitStatus, 0);
    EXPECT_TRUE(western.out.starts_with("# Made by: zq-template from-xkb pl --code-page 1252\n"))
        << western.out;
    EXPECT_NE(western.err.find("code page 1252 lacks letters"), std::string::npos) << western.err;
    EXPECT_NE(western.err.find("\xC5\x82"), std::string::npos) << western.err;

    const ToolRun german = RunTool(folder, {"from-xkb", "de"});
    EXPECT_TRUE(german.out.starts_with("# Made by: zq-template from-xkb de\n"));
    EXPECT_EQ(german.err, "");
}

// What from-xkb writes is a description that build accepts (quoting of
// labels such as "\"\n2" included), and check loads the result.
TEST(FromXkbCommand, OutputBuildsIntoATemplateThatLoads) {
    test::TempFolder folder;
    const ToolRun described = RunTool(folder, {"from-xkb", "fr"});
    ASSERT_EQ(described.exitStatus, 0) << described.err;
    folder.Write("fr.zqtd", described.out);
    const ToolRun built = RunTool(folder, {"build", folder.File("fr.zqtd"), folder.File("fr.zqt")});
    ASSERT_EQ(built.exitStatus, 0) << built.err;
    const ToolRun checked = RunTool(folder, {"check", folder.File("fr.zqt")});
    EXPECT_EQ(checked.exitStatus, 0) << checked.out << checked.err;
}

class ShippedTemplate : public ::testing::TestWithParam<const char*> {};

// How many lines of the description begin with the word.
int CountLines(const std::string& text, const std::string& word) {
    int count = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) count += line.starts_with(word + " ");
    return count;
}

// Built without a warning (every text fits the code page and the tables),
// and loaded by the program's store with every key and character row.
TEST_P(ShippedTemplate, BuildsCleanlyAndLoadsWithEveryKeyAndCharacter) {
    test::TempFolder folder;
    const std::string path = std::string(ZQ_SOURCE_DIR) + "/data/Courses/" + GetParam() + "/layout.zqtd";
    const std::string description = ReadFileBytes(path);
    const ToolRun built = RunTool(folder, {"build", path, folder.File("layout.zqt")});
    ASSERT_EQ(built.exitStatus, 0) << built.err;
    EXPECT_EQ(built.err, "");
    const ToolRun checked = RunTool(folder, {"check", folder.File("layout.zqt")});
    EXPECT_EQ(checked.exitStatus, 0) << checked.out << checked.err;
    const std::string keyRows = "Key table: " + std::to_string(CountLines(description, "key")) + " rows";
    const std::string charRows =
        "Character table: " + std::to_string(CountLines(description, "char")) + " rows";
    EXPECT_NE(checked.out.find(keyRows), std::string::npos) << checked.out;
    EXPECT_NE(checked.out.find(charRows), std::string::npos) << checked.out;
}

INSTANTIATE_TEST_SUITE_P(Courses, ShippedTemplate, ::testing::Values("English", "Deutsch", "Francais"));

}  // namespace
}  // namespace zq
