#include "base/ProgramPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class ProgramPathsTest : public ::testing::Test {
protected:
    // A folder under the test's root, made, with a trailing "/".
    std::string Made(const std::string& relative) const {
        std::filesystem::create_directories(root / relative);
        return root.Dir() + relative + "/";
    }

    TempFolder root;
    const std::string personal = root.Dir() + "home/.local/share/zq-typing-tutor/";
};

TEST_F(ProgramPathsTest, AProgramFolderItsUserCanWriteHoldsEverything) {
    const std::string program = Made("build/program");
    const ProgramPaths paths = ProgramPaths::Decide(program, true, personal);
    EXPECT_EQ(paths.DataFolder(), program);
    EXPECT_EQ(paths.UsersFolder(), program);
    EXPECT_EQ(paths.ModulesFolder(), program);
    EXPECT_FALSE(paths.UsersFilesApart());
}

TEST_F(ProgramPathsTest, AProgramFolderItsUserCannotWriteKeepsOnlyTheUsersFilesInThePersonalFolder) {
    const std::string program = Made("usr/local/lib/zq-typing-tutor");
    const ProgramPaths paths = ProgramPaths::Decide(program, false, personal);
    EXPECT_EQ(paths.DataFolder(), program);
    EXPECT_EQ(paths.ModulesFolder(), program);
    EXPECT_EQ(paths.UsersFolder(), personal);
    EXPECT_TRUE(paths.UsersFilesApart());
}

TEST_F(ProgramPathsTest,
       AnInstalledProgramReadsItsDataFromShareAndKeepsUsersFilesApartEvenWhenItMayWriteAnywhere) {
    const std::string bin = Made("usr/bin");
    Made("usr/share/zq-typing-tutor");
    for (const bool writable : {true, false}) {
        const ProgramPaths paths = ProgramPaths::Decide(bin, writable, personal);
        EXPECT_EQ(paths.DataFolder(), root.Dir() + "usr/share/zq-typing-tutor/");
        EXPECT_THAT(paths.ModulesFolder(), StartsWith(root.Dir() + "usr/lib/"));
        EXPECT_THAT(paths.ModulesFolder(), EndsWith("/zq-typing-tutor/"));
        EXPECT_THAT(paths.ModulesFolder(), Not(HasSubstr("..")));
        EXPECT_EQ(paths.UsersFolder(), personal);
        EXPECT_TRUE(paths.UsersFilesApart());
    }
}

TEST_F(ProgramPathsTest, AProgramInABinFolderWithoutInstalledDataIsAProgramFolder) {
    const std::string bin = Made("opt/bin");
    Made("opt/share");  // another program's, not this one's data
    const ProgramPaths paths = ProgramPaths::Decide(bin, true, personal);
    EXPECT_EQ(paths.DataFolder(), bin);
    EXPECT_EQ(paths.UsersFolder(), bin);
}

TEST(PersonalDataFolder, FollowsAnAbsoluteXdgDataHome) {
    EXPECT_EQ(PersonalDataFolder("/data/anna", "/home/anna"), "/data/anna/zq-typing-tutor/");
    EXPECT_EQ(PersonalDataFolder("/data/anna/", "/home/anna"), "/data/anna/zq-typing-tutor/");
}

TEST(PersonalDataFolder, IsInTheHomesLocalShareWhenXdgDataHomeIsUnsetEmptyOrRelative) {
    for (const char* xdgDataHome : {static_cast<const char*>(nullptr), "", "data/anna"}) {
        EXPECT_EQ(PersonalDataFolder(xdgDataHome, "/home/anna"), "/home/anna/.local/share/zq-typing-tutor/")
            << (xdgDataHome ? xdgDataHome : "unset");
    }
}

}  // namespace
}  // namespace zq
