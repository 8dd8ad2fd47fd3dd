#include "app/UsersFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "../stats/HistoryFixtures.h"
#include "../support/TempFolder.h"
#include "base/ProgramPaths.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "stats/HistoryStore.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr std::int32_t kDay = 20000;
constexpr const char* kStarterProfiles = "[Default]\nCourse=English\n";
constexpr const char* kStarterGame = "[General]\nNewWordSpeed=3500\n";

void Write(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::int64_t HistoryLines(const std::string& path, const std::string& user) {
    std::int64_t lines = 0;
    for (const DrillDay& day : HistoryStore(path).DrillDays(user, kDay, kDay)) lines += day.lines;
    return lines;
}

// An installed program under a temporary root: its data with the starter
// files in usr/share, its users' folder in the home's .local/share (not made
// yet), and the folder of an earlier per-user install in the home.
class UsersFolderTest : public ::testing::Test {
protected:
    static ProgramPaths InstalledProgram(const TempFolder& root, const std::string& users) {
        fs::create_directories(root / "usr/bin");
        Write(root.File("usr/share/zq-typing-tutor/zqc.ini"), kStarterProfiles);
        Write(root.File("usr/share/zq-typing-tutor/zqgame.ini"), kStarterGame);
        return ProgramPaths::Decide(root.Dir() + "usr/bin/", true, users);
    }

    UsersFolderStart Start() { return StartUsersFolder(paths, former); }

    // The files of a learner who used the per-user install.
    void UsePerUserInstall() {
        Write(former + "zqc.ini", "[Default]\nCourse=English\n[Maria]\nCourse=Deutsch\nProgress=7\n");
        Write(former + "zq.ini", "[General]\nUser=Maria\n");
        HistoryStore history(former + "zqstats.db");
        history.AddLine(testing::TypedLine("Maria", kDay, "abc"));
        history.AddLine(testing::TypedLine("Maria", kDay, "def"));
    }

    TempFolder root;
    const std::string home = root.Dir() + "home";
    const std::string users = home + "/.local/share/zq-typing-tutor/";
    const std::string former = PerUserInstallFolder(home);
    const ProgramPaths paths = InstalledProgram(root, users);
};

TEST_F(UsersFolderTest, APerUserInstallLiesInTheHomesLocalLib) {
    EXPECT_EQ(PerUserInstallFolder("/home/anna"), "/home/anna/.local/lib/zq-typing-tutor/");
    EXPECT_EQ(PerUserInstallFolder("/home/anna/"), "/home/anna/.local/lib/zq-typing-tutor/");
}

TEST_F(UsersFolderTest, AFirstStartMakesTheFolderWithTheStarterFilesAndSaysNothing) {
    const UsersFolderStart start = Start();
    EXPECT_EQ(Entries(users), (std::set<std::string>{"zqc.ini", "zqgame.ini"}));
    EXPECT_EQ(ReadFileBytes(users + "zqc.ini"), kStarterProfiles);
    EXPECT_EQ(ReadFileBytes(users + "zqgame.ini"), kStarterGame);
    EXPECT_THAT(start.copiedFrom, IsEmpty());
    EXPECT_THAT(start.failures, IsEmpty());
    EXPECT_THAT(UsersFolderMessage(start, paths), IsEmpty());
}

TEST_F(UsersFolderTest, TheProfilesSettingsAndHistoryOfAPerUserInstallAreCopiedAndLeftAsTheyWere) {
    UsePerUserInstall();
    const std::string formerProfiles = ReadFileBytes(former + "zqc.ini");
    const std::string formerSettings = ReadFileBytes(former + "zq.ini");

    const UsersFolderStart start = Start();

    EXPECT_EQ(start.copiedFrom, former);
    EXPECT_THAT(start.failures, IsEmpty());
    EXPECT_EQ(ReadFileBytes(users + "zqc.ini"), formerProfiles);
    EXPECT_EQ(ReadFileBytes(users + "zq.ini"), formerSettings);
    EXPECT_EQ(ReadFileBytes(users + "zqgame.ini"), kStarterGame)
        << "what the old folder lacks comes from the starters";
    EXPECT_EQ(HistoryLines(users + "zqstats.db", "Maria"), 2);
    EXPECT_EQ(Entries(users), (std::set<std::string>{"zq.ini", "zqc.ini", "zqgame.ini", "zqstats.db"}))
        << "no temporary file is left behind";

    EXPECT_EQ(ReadFileBytes(former + "zqc.ini"), formerProfiles);
    EXPECT_EQ(ReadFileBytes(former + "zq.ini"), formerSettings);
    EXPECT_EQ(HistoryLines(former + "zqstats.db", "Maria"), 2);

    const std::string message = UsersFolderMessage(start, paths);
    EXPECT_THAT(message, HasSubstr(former));
    EXPECT_THAT(message, HasSubstr(users));
}

// A course the learner made lay in the per-user install's course folder,
// beside the courses it shipped; the installed program ships its own.
TEST_F(UsersFolderTest, TheCoursesALearnerMadeComeAlongButNotTheShippedOnes) {
    UsePerUserInstall();
    Write(root.File("usr/share/zq-typing-tutor/Courses/English/course.txt"), "fff jjj\n");
    Write(former + "Courses/English/course.txt", "an older English course\n");
    const std::string made = former + "Courses/Polski (Dvorak)/";
    for (const char* name : {"course.txt", "Practice.txt", "Game.txt", "course.ini", "layout.zqt"})
        Write(made + name, std::string("the text of ") + name);

    const UsersFolderStart start = Start();

    EXPECT_THAT(start.failures, IsEmpty());
    const std::string copied = users + "Courses/Polski (Dvorak)/";
    EXPECT_EQ(Entries(copied),
              (std::set<std::string>{"course.txt", "Practice.txt", "Game.txt", "course.ini", "layout.zqt"}));
    EXPECT_EQ(ReadFileBytes(copied + "course.ini"), "the text of course.ini");
    EXPECT_EQ(Entries(users + "Courses"), (std::set<std::string>{"Polski (Dvorak)"}))
        << "a shipped course comes from the program, not from the old folder";
    EXPECT_EQ(ReadFileBytes(made + "course.txt"), "the text of course.txt")
        << "the old folder keeps its course";
    EXPECT_THAT(UsersFolderMessage(start, paths), HasSubstr("Polski (Dvorak)"));
}

// The profiles arrive last: a run killed while it copied a large history
// (or before the profiles) finishes the copy at the next start, without
// copying again what arrived.
TEST_F(UsersFolderTest, ACopyCutShortIsFinishedAtTheNextStart) {
    UsePerUserInstall();
    Write(users + "zq.ini", "[General]\nUser=Maria\n");  // arrived before the kill
    const UsersFolderStart start = Start();
    EXPECT_EQ(start.copiedFrom, former);
    EXPECT_EQ(ReadFileBytes(users + "zqc.ini"), ReadFileBytes(former + "zqc.ini"))
        << "not the starter profile";
    EXPECT_EQ(HistoryLines(users + "zqstats.db", "Maria"), 2);
}

TEST_F(UsersFolderTest, TheCopyHappensOnceAndNeverReplacesWhatTheUsersFolderHolds) {
    UsePerUserInstall();
    Start();
    Write(users + "zqc.ini", "[Maria]\nProgress=9\n");  // practised in the installed program since
    HistoryStore(users + "zqstats.db").AddLine(testing::TypedLine("Maria", kDay, "ghi"));

    const UsersFolderStart again = Start();

    EXPECT_THAT(again.copiedFrom, IsEmpty());
    EXPECT_THAT(UsersFolderMessage(again, paths), IsEmpty());
    EXPECT_EQ(ReadFileBytes(users + "zqc.ini"), "[Maria]\nProgress=9\n");
    EXPECT_EQ(HistoryLines(users + "zqstats.db", "Maria"), 3);
}

TEST_F(UsersFolderTest, AUsersFolderWithFilesOfItsOwnTakesNothingFromAPerUserInstall) {
    UsePerUserInstall();
    Write(users + "zqc.ini", "[Anna]\n");

    const UsersFolderStart start = Start();

    EXPECT_THAT(start.copiedFrom, IsEmpty());
    EXPECT_EQ(ReadFileBytes(users + "zqc.ini"), "[Anna]\n");
    EXPECT_EQ(Entries(users), (std::set<std::string>{"zqc.ini", "zqgame.ini"}));
}

TEST_F(UsersFolderTest, AFileThatCannotBeCopiedIsNamedAndTheOthersArrive) {
    UsePerUserInstall();
    fs::remove(former + "zqstats.db");
    Write(former + "zqstats.db", std::string(4096, 'x'));  // not a history

    const UsersFolderStart start = Start();

    EXPECT_EQ(start.copiedFrom, former);
    ASSERT_EQ(start.failures.size(), 1u);
    EXPECT_EQ(start.failures[0].path, users + "zqstats.db");
    EXPECT_THAT(start.failures[0].reason, ::testing::Not(IsEmpty()));
    EXPECT_EQ(ReadFileBytes(users + "zqc.ini"), ReadFileBytes(former + "zqc.ini"));
    EXPECT_FALSE(fs::exists(users + "zqstats.db"));
    EXPECT_EQ(ReadFileBytes(former + "zqstats.db"), std::string(4096, 'x'));
    EXPECT_THAT(UsersFolderMessage(start, paths), HasSubstr(users + "zqstats.db"));
}

TEST_F(UsersFolderTest, AUsersFolderThatCannotBeMadeIsNamed) {
    Write(home + "/.local/share", "a file where the folder should be");
    const UsersFolderStart start = Start();
    ASSERT_EQ(start.failures.size(), 1u);
    EXPECT_EQ(start.failures[0].path, users);
    EXPECT_THAT(UsersFolderMessage(start, paths), HasSubstr(users));
}

TEST_F(UsersFolderTest, AProgramFolderIsLeftAlone) {
    UsePerUserInstall();
    const std::string program = root.Dir() + "build/program/";
    Write(program + "zqc.ini", kStarterProfiles);
    const UsersFolderStart start = StartUsersFolder(ProgramPaths(program), former);
    EXPECT_THAT(start.copiedFrom, IsEmpty());
    EXPECT_EQ(Entries(program), (std::set<std::string>{"zqc.ini"}));
    EXPECT_FALSE(fs::exists(users));
}

}  // namespace
}  // namespace zq
