#include "stats/CourseKeyboard.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "SmallKeyboard.h"
#include "stats/ConfusionKind.h"
#include "stats/FingerFigures.h"
#include "stats/HandsPicture.h"
#include "stats/KeyHeatMap.h"

namespace zq {
namespace {

class CourseKeyboardTest : public ::testing::Test {
protected:
    CourseKeyboardTest() {
        testing::WriteSmallKeyboard(folder / "layout.zqt");
        keyboard.LoadTemplate(folder.File("layout.zqt"), 1252);
    }
    ConfusionKind Kind(char32_t expected, char32_t typed) const {
        return KindOf({expected, typed, 1}, keyboard);
    }

    test::TempFolder folder;
    CourseKeyboard keyboard;
};

TEST_F(CourseKeyboardTest, ACharacterIsFoundWithItsKeyFingerAndWhatIsPressedWithIt) {
    ASSERT_EQ(keyboard.Keys().Keys().size(), 10u);
    const std::optional<CharacterKey> s = keyboard.KeyOf(U's');
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->key, 7u);  // the keys in the order of their names
    EXPECT_EQ(s->finger, 1);
    EXPECT_FALSE(s->shift);

    const std::optional<CharacterKey> capital = keyboard.KeyOf(U'E');
    ASSERT_TRUE(capital.has_value());
    EXPECT_EQ(capital->key, 2u);
    EXPECT_EQ(capital->finger, 2);
    EXPECT_TRUE(capital->shift);
    EXPECT_TRUE(keyboard.KeyOf(U'\u20AC')->altGr);  // code 0x80 of code page 1252
    EXPECT_EQ(keyboard.KeyOf(U'\u00E9')->accent, 2002);

    EXPECT_FALSE(keyboard.KeyOf(U'x').has_value()) << "no row for it";
    EXPECT_FALSE(keyboard.KeyOf(U'\u0434').has_value()) << "not in the template's code page";
    EXPECT_EQ(keyboard.KeyOf(U'z')->finger, -1) << "finger 10 is none";
    EXPECT_EQ(keyboard.FingerOfKey(99), -1);
    EXPECT_EQ(keyboard.RectOfKey(6).Top, 4);
    EXPECT_EQ(keyboard.Fingers().Length[2], 60);
}

TEST_F(CourseKeyboardTest, AKeyIsNamedForScreenReadersByWhatItTypesAlone) {
    EXPECT_EQ(keyboard.KeyName(0), "a");
    // Not "E", nor the euro sign with AltGr, nor e acute after the dead key.
    EXPECT_EQ(keyboard.KeyName(2), "e");
    EXPECT_EQ(keyboard.KeyName(8), "blank") << "the blank by its name in the character table";
    EXPECT_EQ(keyboard.KeyName(99), "");
    CourseKeyboard missing;
    missing.LoadTemplate(folder.File("missing.zqt"), 1252);
    EXPECT_EQ(missing.KeyName(0), "");
}

TEST_F(CourseKeyboardTest, ATemplateThatCannotBeReadHasNoKeysAndNoCharacters) {
    CourseKeyboard missing;
    missing.LoadTemplate(folder.File("missing.zqt"), 1252);
    EXPECT_TRUE(missing.Keys().Keys().empty());
    EXPECT_FALSE(missing.KeyOf(U'a').has_value());
    // Loading another template forgets what the last one said.
    keyboard.LoadTemplate(folder.File("missing.zqt"), 1252);
    EXPECT_FALSE(keyboard.KeyOf(U'a').has_value());
}

TEST_F(CourseKeyboardTest, EveryConfusionIsLabelledByWhereItsKeysLie) {
    EXPECT_EQ(Kind(U'a', U'q'), ConfusionKind::SameFingerWrongRow);
    EXPECT_EQ(Kind(U'f', U'g'), ConfusionKind::SameFingerSameRow);
    EXPECT_EQ(Kind(U'a', U's'), ConfusionKind::NeighbouringFinger);
    EXPECT_EQ(Kind(U's', U'a'), ConfusionKind::NeighbouringFinger);
    EXPECT_EQ(Kind(U'a', U'd'), ConfusionKind::SameHandOtherFinger);
    EXPECT_EQ(Kind(U'f', U'j'), ConfusionKind::OtherHand);
    EXPECT_EQ(Kind(U'E', U'e'), ConfusionKind::ShiftOrAltGrMissed);
    EXPECT_EQ(Kind(U'e', U'E'), ConfusionKind::ShiftOrAltGrMissed);
    EXPECT_EQ(Kind(U'\u20AC', U'e'), ConfusionKind::ShiftOrAltGrMissed);
    EXPECT_EQ(Kind(U'\u00E9', U'e'), ConfusionKind::DeadKeyMissed);
    EXPECT_EQ(Kind(U'a', U'x'), ConfusionKind::Unknown) << "a key the keyboard lacks";
    EXPECT_EQ(Kind(U'a', U'\0'), ConfusionKind::Unknown) << "a character the code page lacks";
    EXPECT_EQ(Kind(U'a', U'z'), ConfusionKind::Unknown) << "a key without a finger";
    EXPECT_EQ(ConfusionKindText(ConfusionKind::NeighbouringFinger), "neighbouring finger");
    EXPECT_EQ(ConfusionKindText(ConfusionKind::Unknown), "");
}

TEST_F(CourseKeyboardTest, KeysAddUpPerFingerAndPerHand) {
    const FingerFigures figures =
        SumPerFinger({{U'a', 100, 10, 80, 16'000},
                      {U'q', 20, 2, 18, 5'400},
                      {U's', 50, 0, 45, 9'000},
                      {U'E', 10, 1, 9, 2'700},  // with Shift: still the middle finger's key
                      {U'j', 40, 4, 36, 7'200},
                      {U' ', 60, 0, 50, 6'000},
                      {U'x', 9, 9, 0, 0},   // no key: counted nowhere
                      {U'z', 7, 7, 0, 0}},  // no finger
                     keyboard);
    EXPECT_EQ(figures.fingers[0].typed, 120);
    EXPECT_EQ(figures.fingers[0].wrong, 12);
    EXPECT_EQ(figures.fingers[0].timedKeys, 98);
    EXPECT_EQ(figures.fingers[0].timeMs, 21'400);
    EXPECT_EQ(figures.fingers[2].typed, 10);
    EXPECT_EQ(figures.fingers[5].typed, 60) << "the blank is the right thumb's";
    EXPECT_EQ(figures.fingers[9].typed, 0);
    EXPECT_EQ(figures.hands[0].typed, 180);
    EXPECT_EQ(figures.hands[1].typed, 100);
    EXPECT_EQ(figures.hands[1].wrong, 4);

    EXPECT_EQ(KeysPerMinute(figures.fingers[1]), 300);  // 45 keys in 9 s
    EXPECT_EQ(Accuracy(figures.fingers[0]), 90);
    EXPECT_EQ(KeysPerMinute(figures.fingers[9]), 0);
    EXPECT_EQ(Accuracy(figures.fingers[9]), 0);
}

TEST_F(CourseKeyboardTest, TheHandsPictureGivesEachFingerItsLengthColorAndFigures) {
    FingerFigures figures;
    figures.fingers[3] = {100, 4, 90, 18'000};
    figures.hands[0] = figures.fingers[3];
    const HandsPicture picture = MakeHandsPicture(figures, keyboard.Fingers());

    const HandsPicture::Finger& index = picture.fingers[3];
    EXPECT_EQ(index.length, 55);
    EXPECT_EQ(index.color, HeatColor(0.04));
    EXPECT_EQ(index.speed, "300");
    EXPECT_EQ(index.accuracy, "96 %");
    EXPECT_EQ(index.tip, "Left index finger: 100 keys, 4 of them wrong (accuracy 96 %), 300 keys a minute");
    const HandsPicture::Finger& thumb = picture.fingers[5];
    EXPECT_EQ(thumb.length, 30);
    EXPECT_FALSE(thumb.color.has_value());
    EXPECT_EQ(thumb.speed, "");
    EXPECT_EQ(thumb.accuracy, "");
    EXPECT_EQ(thumb.tip, "Right thumb: not practised in these days.");
    EXPECT_EQ(picture.hands[0], "Left hand");
    EXPECT_EQ(picture.figures[0], "300 keys/min, 96 %");
    EXPECT_EQ(picture.hands[1], "Right hand");
    EXPECT_EQ(picture.figures[1], "");
}

TEST_F(CourseKeyboardTest, TheHeatMapFindsItsKeysOnTheSameKeyboard) {
    KeyHeatMap heat;
    heat.LoadTemplate(folder.File("layout.zqt"), 1252);
    heat.SetFigures({{U'E', 10, 1, 9, 900}, {U'e', 30, 0, 30, 3000}, {U'\u00E9', 5, 2, 3, 600}});
    EXPECT_EQ(heat.HeatOf(2).typed, 45);
    EXPECT_EQ(heat.HeatOf(2).characters, U"Ee\u00E9");
    EXPECT_EQ(heat.Keyboard().KeyOf(U'e')->key, 2u);
}

}  // namespace
}  // namespace zq
