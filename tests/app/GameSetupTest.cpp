#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "app/GameSetup.h"
#include "base/IniFile.h"
#include "profile/TProfile.h"

namespace zq {
namespace {

using test::TempFolder;

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
