#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "../support/TempFolder.h"
#include "base/IniFile.h"
#include "game/GameTiming.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;

TEST(GameTiming, ZqgameIniGivesTheTimingAndGarbageGivesTheDefaults) {
    TempFolder folder;
    TGameSettings settings;
    settings.NewWordSpeed = 1;
    EXPECT_TRUE(ReadGameTiming(folder.File("zqgame.ini"), settings).empty());
    EXPECT_EQ(settings.NewWordSpeed, 3500);

    folder.Write("zqgame.ini", "[general]\nnewwordspeed=3000\nNewWordSpeedBy=fast\nDropSpeed=0x10\n");
    EXPECT_TRUE(ReadGameTiming(folder.File("zqgame.ini"), settings).empty())
        << "a value that is no integer gives the default without a word, as in every ini file";
    EXPECT_EQ(settings.NewWordSpeed, 3000);
    EXPECT_EQ(settings.NewWordSpeedBy, 250);
    EXPECT_EQ(settings.DropSpeed, 16);
    EXPECT_EQ(settings.DropSpeedBy, 20);

    folder.Write("zqgame.ini", std::string("\x00\xFF[[General\n=\x01\x02", 14));
    ReadGameTiming(folder.File("zqgame.ini"), settings);
    EXPECT_EQ(settings.NewWordSpeed, 3500);
    EXPECT_EQ(settings.DropSpeed, 250);
}

// Values near the 32-bit limits made the level arithmetic overflow: words
// that never fell, or fell at every tick.
TEST(GameTiming, AValueOutsideItsBoundsIsRefusedNamedAndReplacedByTheDefault) {
    TempFolder folder;
    folder.Write("zqgame.ini",
                 "[General]\nNewWordSpeed=60000\nNewWordSpeedBy=2147483647\nDropSpeed=-2147483648\n"
                 "DropSpeedBy=0\n");
    TGameSettings settings;
    const std::vector<RefusedTimingValue> refused = ReadGameTiming(folder.File("zqgame.ini"), settings);
    EXPECT_EQ(settings.NewWordSpeed, 60000) << "the highest value allowed";
    EXPECT_EQ(settings.NewWordSpeedBy, 250);
    EXPECT_EQ(settings.DropSpeed, 250);
    EXPECT_EQ(settings.DropSpeedBy, 0) << "the lowest value allowed";
    ASSERT_THAT(refused, ElementsAre(Field(&RefusedTimingValue::key, "NewWordSpeedBy"),
                                     Field(&RefusedTimingValue::key, "DropSpeed")));
    EXPECT_EQ(refused[1].value8, "-2147483648");
    EXPECT_EQ(refused[1].used, 250);

    const std::string message = RefusedTimingMessage(folder.File("zqgame.ini"), refused);
    EXPECT_THAT(message, HasSubstr(folder.File("zqgame.ini")));
    EXPECT_THAT(message, HasSubstr("NewWordSpeedBy=2147483647"));
    EXPECT_THAT(message, HasSubstr("DropSpeed=-2147483648"));
    EXPECT_THAT(message, HasSubstr("0 to 60000"));
    EXPECT_THAT(message, HasSubstr("250"));
}

TEST(GameTiming, IntervalsAreWorkedOutWithoutOverflowAtAnyLevel) {
    EXPECT_EQ(IntervalAtLevel(3500, 250, 3), 2750);
    EXPECT_EQ(IntervalAtLevel(250, 20, 13), -10) << "below zero: fires at every check, as before";
    // Values no file can give any more, but a setting made in code can.
    EXPECT_EQ(IntervalAtLevel(3500, INT32_MAX, 10), INT32_MIN);
    EXPECT_EQ(IntervalAtLevel(INT32_MIN, 20, 13), INT32_MIN);
    EXPECT_EQ(IntervalAtLevel(INT32_MAX, -20, 13), INT32_MAX);
}

// A new users' folder starts with the shipped "zqgame.ini": the program's
// own timing, written out where a learner can find and change it.
TEST(GameTiming, TheShippedZqgameIniHoldsTheDefaultTiming) {
    const std::string path = std::string(ZQ_SOURCE_DIR) + "/data/zqgame.ini";
    const IniFile shipped(path);
    for (const char* key : {"NewWordSpeed", "NewWordSpeedBy", "DropSpeed", "DropSpeedBy"})
        EXPECT_NE(shipped.ReadString("General", key, ""), "") << key;
    TGameSettings settings;
    settings.NewWordSpeed = settings.NewWordSpeedBy = settings.DropSpeed = settings.DropSpeedBy = 1;
    EXPECT_TRUE(ReadGameTiming(path, settings).empty());
    const TGameSettings defaults;
    EXPECT_EQ(settings.NewWordSpeed, defaults.NewWordSpeed);
    EXPECT_EQ(settings.NewWordSpeedBy, defaults.NewWordSpeedBy);
    EXPECT_EQ(settings.DropSpeed, defaults.DropSpeed);
    EXPECT_EQ(settings.DropSpeedBy, defaults.DropSpeedBy);
}

}  // namespace
}  // namespace zq
