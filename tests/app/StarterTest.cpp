#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "../support/TempFolder.h"
#include "AppFakes.h"
#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::Contains;
using ::testing::ElementsAre;
using testing::FakeStarterWindows;

class StarterTest : public ::testing::Test {
protected:
    StarterTest() {
        folder.Write("zqc.ini",
                     "[Default]\nCourse=English\nBlinking=1\nProgress=3\n[Maria]\nCourse=Deutsch\n");
        std::filesystem::create_directories(folder / "Courses/English");
        std::filesystem::create_directories(folder / "Courses/Deutsch");
        settings.FontName = "Window Sans";
        settings.FontCharset = 238;
    }

    TempFolder folder;
    TSettings settings{folder.Dir()};
    FakeStarterWindows windows{settings};
    TZQStarterLocal starter{windows, settings};
};

TEST_F(StarterTest, StartMainOpensTheMainWindowForTheLoadedProfileThenHidesTheLogon) {
    EXPECT_TRUE(windows.log.empty());  // nothing of the layouts is read before it is needed
    starter.CurrentProfile.UserName = "default";
    starter.StartMain(starter.CurrentProfile);

    EXPECT_THAT(windows.log, ElementsAre("CreateMain", "CreateAgent", "SetWindowFont Window Sans 238",
                                         "ShowMain", "HideLogon"));
    EXPECT_EQ(starter.CurrentProfile.Progress, 3);
    EXPECT_EQ(starter.CurrentProfile.UserName, "default");
    ASSERT_NE(windows.lastMain, nullptr);
    EXPECT_EQ(starter.MainWindow(), windows.lastMain);
    EXPECT_THAT(windows.lastMain->rig.log, Contains("CreateGuidance blinking=1"));
    EXPECT_THAT(windows.lastMain->rig.log,
                Contains("PrepareGuidance " + folder.Dir() + "Courses/English/layout.zqt"));
    EXPECT_THAT(starter.Agent().LayoutList(), ElementsAre("US - 00000409", "French - 0000040C"));
}

TEST_F(StarterTest, AProfileThatCannotBeLoadedOpensNoWindowAndMayBeTriedAgain) {
    folder.Write("zqc.ini", "[Default]\nProgress=abc\n[Maria]\nCourse=Deutsch\n");
    starter.CurrentProfile.UserName = "Default";
    try {
        starter.StartMain(starter.CurrentProfile);
        FAIL() << "a profile with a bad number must not open";
    } catch (const LibraryError& error) {
        EXPECT_THAT(error.what(),
                    ::testing::StartsWith("'abc' is not a valid integer value\n\nThe key Progress "
                                          "of the user Default in the profile file "));
    }
    EXPECT_EQ(starter.MainWindow(), nullptr);
    EXPECT_THAT(windows.log, ElementsAre("CreateMain", "CreateAgent", "FreeMain"));

    windows.log.clear();
    starter.CurrentProfile.UserName = "Maria";
    starter.StartMain(starter.CurrentProfile);
    EXPECT_THAT(windows.log,
                ElementsAre("CreateMain", "SetWindowFont Window Sans 238", "ShowMain", "HideLogon"));
}

TEST_F(StarterTest, TheProfilesLoadAndStoreThroughTheProfileFile) {
    starter.TemplateProfile.UserName = "Maria";
    starter.TemplateProfile.Load();
    EXPECT_EQ(starter.TemplateProfile.Course, "Deutsch");
    starter.TemplateProfile.Progress = 9;
    starter.TemplateProfile.SaveAs("Anna");
    EXPECT_EQ(starter.Store().UserNames(), (std::vector<std::string>{"Default", "Maria", "Anna"}));

    starter.CurrentProfile.UserName = "Maria";
    starter.CurrentProfile.Load();
    starter.CurrentProfile.Progress = 3;
    starter.CurrentProfile.TimeTotal = 7000;
    starter.CurrentProfile.BgColor = 255;
    starter.CurrentProfile.SaveProgress();
    TProfile stored;
    starter.Store().LoadSection(stored, "Maria");
    EXPECT_EQ(stored.Progress, 3);
    EXPECT_EQ(stored.TimeTotal, 7000);
    EXPECT_NE(stored.BgColor, 255) << "only the progress is stored as it goes";
}

// A starter of the base class: profiles kept in memory.
class MemoryStarter : public TZQStarterBase {
public:
    using TZQStarterBase::TZQStarterBase;
    void LoadProfile(TProfile& profile, const std::string& section) override {
        profile.LoadFromStrings(stored[section]);
    }
    void SaveProfile(TProfile& profile, const std::string& section) override {
        stored[section] = profile.SaveToStrings();
    }
    void SaveProgress(TProfile& profile, const std::string& section) override {
        stored[section] = profile.ProgressToStrings();
    }
    std::map<std::string, std::vector<std::string>> stored;
};

TEST_F(StarterTest, TheBaseStarterOpensTheMainWindowInItsOwnFont) {
    MemoryStarter memory(windows, settings);
    memory.stored["Eva"] = {"Course=English", "Progress=5"};
    memory.CurrentProfile.UserName = "Eva";
    memory.StartMain(memory.CurrentProfile);
    EXPECT_EQ(memory.CurrentProfile.Progress, 5);
    EXPECT_THAT(windows.log, ElementsAre("CreateMain", "CreateAgent", "ShowMain", "HideLogon"));
}

TEST_F(StarterTest, ANewUsersDialogGetsTheAgentAndTheCoursesButKeepsItsOwnFont) {
    windows.profileDialogApplies = [](TProfile& profile) {
        profile.UserName = "Anna";
        return true;
    };
    TProfile& added = starter.TemplateProfile;
    added.OnSave = nullptr;
    EXPECT_TRUE(starter.EditNewProfile(added));
    EXPECT_THAT(windows.log,
                ElementsAre("CreateProfileEditor", "CreateAgent", "SetAgent", "SetCourses Deutsch,English",
                            "ExecuteNewUser ", "FreeProfileDialog"));
    added.Save();  // connected again
    EXPECT_TRUE(starter.Store().HasUser("Anna"));

    windows.profileDialogApplies = nullptr;  // the dialog is closed without Apply
    EXPECT_FALSE(starter.EditNewProfile(added));
}

}  // namespace
}  // namespace zq
