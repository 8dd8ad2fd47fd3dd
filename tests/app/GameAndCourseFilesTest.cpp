#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "app/CourseFolders.h"
#include "app/GameSetup.h"
#include "profile/TProfile.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(CourseNames, AreTheSubFoldersOfCoursesInAlphabeticalOrder) {
    TempFolder folder;
    EXPECT_THAT(CourseNames(folder.Dir()), IsEmpty());
    for (const char* name : {"Francais", "Deutsch", "English"}) {
        std::filesystem::create_directories(folder / "Courses" / name);
    }
    folder.Write("Courses/readme.txt", "not a course");
    EXPECT_THAT(CourseNames(folder.Dir()), ElementsAre("Deutsch", "English", "Francais"));
}

TEST(CourseNames, AreInTheCodePageWhileTheirPathsAreInUtf8) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "Courses" / "Espa\xC3\xB1ol");
    EXPECT_THAT(CourseNames(folder.Dir()), ElementsAre("Espa\xF1ol"));

    TProfile profile;
    profile.Course = "Espa\xF1ol";
    CourseFiles files(folder.Dir(), profile);
    EXPECT_EQ(files.GamePath(), folder.Dir() + "Courses/Espa\xC3\xB1ol/Game.txt");
}

TEST(GameSetup, ZqgameIniGivesTheTimingAndGarbageGivesTheDefaults) {
    TempFolder folder;
    TGameSettings settings;
    settings.NewWordSpeed = 1;
    ReadGameSettings(folder.Dir(), settings);
    EXPECT_EQ(settings.NewWordSpeed, 3500);

    folder.Write("zqgame.ini", "[general]\nnewwordspeed=3000\nNewWordSpeedBy=fast\nDropSpeed=0x10\n");
    ReadGameSettings(folder.Dir(), settings);
    EXPECT_EQ(settings.NewWordSpeed, 3000);
    EXPECT_EQ(settings.NewWordSpeedBy, 250);
    EXPECT_EQ(settings.DropSpeed, 16);
    EXPECT_EQ(settings.DropSpeedBy, 20);

    folder.Write("zqgame.ini", std::string("\x00\xFF[[General\n=\x01\x02", 14));
    ReadGameSettings(folder.Dir(), settings);
    EXPECT_EQ(settings.NewWordSpeed, 3500);
    EXPECT_EQ(settings.DropSpeed, 250);
}

}  // namespace
}  // namespace zq
