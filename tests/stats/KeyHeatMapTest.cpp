#include "stats/KeyHeatMap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../keyboard/TemplateArchive.h"
#include "../support/TempFolder.h"

namespace zq {
namespace {

using testing::CharPacket;
using testing::CharRow;
using ::testing::HasSubstr;
using testing::KeyPacket;
using testing::KeyRow;

class KeyHeatMapTest : public ::testing::Test {
protected:
    KeyHeatMapTest() {
        // Keys in Name order: "1 A" (KeyValue 30), "2 S" (31), "3 Shift" (42).
        testing::WriteZip(
            folder / "layout.zqt",
            {{"key.cds",
              KeyPacket({KeyRow("2 S", 31, 1, ""), KeyRow("1 A", 30, 0, ""), KeyRow("3 Shift", 42, 0, "")})},
             {"char.cds",
              CharPacket({CharRow("a", 'a', 30), CharRow("A", 'A', 30, true), CharRow("s", 's', 31)})},
             {"readme", "bkcolor=0\r\n"}});
        keyboard.LoadTemplate(folder.File("layout.zqt"));
    }

    test::TempFolder folder;
    KeyHeatMap keyboard;
};

TEST_F(KeyHeatMapTest, EachKeySumsTheCharactersItTypes) {
    keyboard.SetFigures(
        {{'A', 10, 2, 8, 4000}, {'a', 20, 0, 19, 3800}, {'s', 5, 1, 4, 800}, {'#', 9, 9, 0, 0}});
    ASSERT_EQ(keyboard.Keys().Keys().size(), 3u);
    const KeyHeat& a = keyboard.HeatOf(0);
    EXPECT_EQ(a.typed, 30);
    EXPECT_EQ(a.wrong, 2);
    EXPECT_EQ(a.timedKeys, 27);
    EXPECT_EQ(a.timeMs, 7800);
    EXPECT_EQ(a.characters, U"Aa");
    EXPECT_EQ(keyboard.HeatOf(1).typed, 5);
    EXPECT_EQ(keyboard.HeatOf(2).typed, 0) << "Shift types no character of its own";
}

TEST_F(KeyHeatMapTest, KeysAreColoredByErrorRateAndPaleWhenTypedSeldom) {
    keyboard.SetFigures({{'a', 100, 10, 90, 9000}, {'s', 5, 0, 5, 500}});
    EXPECT_EQ(keyboard.ColorOf(0), HeatColor(0.10));
    EXPECT_NE(keyboard.ColorOf(1), HeatColor(0.0)) << "five typings say little";
    EXPECT_GT(GreenOf(*keyboard.ColorOf(1)), 200);
    EXPECT_EQ(keyboard.ColorOf(2), std::nullopt);
}

TEST_F(KeyHeatMapTest, TheTipGivesTheKeysFigures) {
    keyboard.SetFigures({{'a', 40, 3, 36, 9000}});
    const std::string tip = keyboard.TipOf(0);
    EXPECT_THAT(tip, HasSubstr("Key a"));
    EXPECT_THAT(tip, HasSubstr("40"));
    EXPECT_THAT(tip, HasSubstr("7.5"));
    EXPECT_THAT(tip, HasSubstr("250 ms"));
    EXPECT_EQ(keyboard.TipOf(1), "Not practised in these days.");
}

// A template's character table holds 8-bit codes of its code page: 0xE4 is
// "ä" in code page 1252 and "д" in 1251.
TEST_F(KeyHeatMapTest, ACharacterIsFoundOnTheKeyOfItsCodeInTheTemplatesCodePage) {
    testing::WriteZip(folder / "national.zqt", {{"key.cds", KeyPacket({KeyRow("1 X", 40, 0, "")})},
                                                {"char.cds", CharPacket({CharRow("x", 0xE4, 40)})},
                                                {"readme", "bkcolor=0\r\n"}});
    const std::vector<KeyTally> figures = {{U'\u00E4', 10, 1, 9, 900}, {U'\u0434', 20, 2, 18, 1800}};

    KeyHeatMap german;
    german.LoadTemplate(folder.File("national.zqt"), 1252);
    german.SetFigures(figures);
    EXPECT_EQ(german.HeatOf(0).typed, 10);
    EXPECT_EQ(german.HeatOf(0).characters, U"\u00E4");

    KeyHeatMap russian;
    russian.LoadTemplate(folder.File("national.zqt"), 1251);
    russian.SetFigures(figures);
    EXPECT_EQ(russian.HeatOf(0).typed, 20);
    EXPECT_THAT(russian.TipOf(0), HasSubstr("Key \xD0\xB4"));
}

TEST_F(KeyHeatMapTest, ATemplateThatCannotBeReadGivesNoKeys) {
    KeyHeatMap missing;
    missing.LoadTemplate(folder.File("missing.zqt"));
    missing.SetFigures({{'a', 40, 3, 36, 9000}});
    EXPECT_TRUE(missing.Keys().Keys().empty());
}

TEST(HeatColorTest, GreenThroughYellowToRed) {
    EXPECT_EQ(HeatColor(0.0), Rgb(60, 180, 75));
    EXPECT_EQ(HeatColor(kRedErrorRate / 2), Rgb(240, 210, 40));
    EXPECT_EQ(HeatColor(kRedErrorRate), Rgb(220, 50, 40));
    EXPECT_EQ(HeatColor(1.0), HeatColor(kRedErrorRate));
    // Ever redder (more red than green) as the rate grows.
    const auto redness = [](double rate) { return RedOf(HeatColor(rate)) - GreenOf(HeatColor(rate)); };
    for (int percent = 0; percent < 10; ++percent)
        EXPECT_LT(redness(percent / 100.0), redness((percent + 1) / 100.0));
}

}  // namespace
}  // namespace zq
