#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "app/CourseFiles.h"
#include "app/GameSetup.h"
#include "base/IniFile.h"
#include "profile/TProfile.h"

namespace zq {
namespace {

using test::TempFolder;

// The profile keeps the course's name in the code page; its files are found
// in the folder named in UTF-8.
TEST(CourseFiles, AreInTheFolderOfTheProfilesCourse) {
    TempFolder folder;
    TProfile profile;
    profile.Course = "Espa\xF1ol";
    CourseFiles files(folder.Dir(), profile);
    EXPECT_EQ(files.GamePath(), folder.Dir() + "Courses/Espa\xC3\xB1ol/Game.txt");
}

// A course chosen during a run counts for the files not used before it.
TEST(CourseFiles, KeepEachPathFromItsFirstUseForTheRun) {
    TempFolder folder;
    TProfile profile;
    profile.Course = "English";
    CourseFiles files(folder.Dir(), profile);
    EXPECT_EQ(files.LayoutPath(), folder.Dir() + "Courses/English/layout.zqt");
    profile.Course = "Deutsch";
    EXPECT_EQ(files.LayoutPath(), folder.Dir() + "Courses/English/layout.zqt");
    EXPECT_EQ(files.CoursePath(), folder.Dir() + "Courses/Deutsch/course.txt");
    EXPECT_EQ(files.PracticePath(), folder.Dir() + "Courses/Deutsch/Practice.txt");
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

// A new users' folder starts with the shipped "zqgame.ini": the program's
// own timing, written out where a learner can find and change it.
TEST(GameSetup, TheShippedZqgameIniHoldsTheDefaultTiming) {
    const std::string data = std::string(ZQ_SOURCE_DIR) + "/data/";
    const IniFile shipped(data + "zqgame.ini");
    for (const char* key : {"NewWordSpeed", "NewWordSpeedBy", "DropSpeed", "DropSpeedBy"})
        EXPECT_NE(shipped.ReadString("General", key, ""), "") << key;
    TGameSettings settings;
    settings.NewWordSpeed = settings.NewWordSpeedBy = settings.DropSpeed = settings.DropSpeedBy = 1;
    ReadGameSettings(data, settings);
    const TGameSettings defaults;
    EXPECT_EQ(settings.NewWordSpeed, defaults.NewWordSpeed);
    EXPECT_EQ(settings.NewWordSpeedBy, defaults.NewWordSpeedBy);
    EXPECT_EQ(settings.DropSpeed, defaults.DropSpeed);
    EXPECT_EQ(settings.DropSpeedBy, defaults.DropSpeedBy);
}

}  // namespace
}  // namespace zq
