#include "keyboard/OnScreenKeyboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "../support/TempFolder.h"
#include "GuidanceFixtures.h"
#include "TemplateArchive.h"
#include "base/LibraryError.h"
#include "keyboard/KeyGroups.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using testing::CharTableRow;
using testing::FillStore;
using testing::TestKey;

// No file: the store keeps what the test put in it, as after a failed read.
const std::string kNoTemplate = "/nonexistent/zq-guidance-test/layout.zqt";

struct RecordingView : KeyboardView {
    void SetClientSize(int w, int h) override {
        width = w;
        height = h;
    }
    void StartBlinkTimer() override { timerRunning = true; }
    void StopBlinkTimer() override { timerRunning = false; }
    int width = -1;
    int height = -1;
    bool timerRunning = false;
};

class OnScreenKeyboardTest : public ::testing::Test {
protected:
    void Load(const std::vector<TestKey>& keys, std::vector<std::vector<FieldValue>> chars,
              bool blinking = false) {
        FillStore(store, keys, std::move(chars));
        keyboard.BlinkMode = blinking;
        keyboard.LoadTemplate(kNoTemplate);
    }
    // The keys that look highlighted or pressed.
    int LitKeys() const {
        int lit = 0;
        for (const auto& key : keyboard.KbFrame().Keys()) lit += key->ShowsHighlightGlyph() || key->Down();
        return lit;
    }
    const ButtonType& Key(int index) const { return *keyboard.KbFrame().Keys().at(index); }

    TDataMod store;
    RecordingView view;
    OnScreenKeyboard keyboard{store, view, nullptr};
};

TEST_F(OnScreenKeyboardTest, KeyAreaAndClientAreaReachTenPixelsPastTheFarthestKeys) {
    Load({{.name = "A", .x = 394, .y = 0, .width = 36, .height = 36},
          {.name = "B", .x = 0, .y = 100, .width = 30, .height = 50}},
         {});
    EXPECT_EQ(keyboard.KbFrame().Width(), 440);
    EXPECT_EQ(keyboard.KbFrame().Height(), 160);
    EXPECT_EQ(view.width, 440);
    EXPECT_EQ(view.height, 160);

    Load({}, {});
    EXPECT_EQ(view.width, 10);
    EXPECT_EQ(view.height, 10);
    EXPECT_TRUE(keyboard.KbFrame().Keys().empty());
}

// Numbers near the 32-bit limits, which no real keyboard uses, must not
// overflow: the key area still holds every key.
TEST_F(OnScreenKeyboardTest, KeysAtTheLimitsOfTheNumbersStillFitTheKeyArea) {
    constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kLeast = std::numeric_limits<std::int32_t>::min();
    Load({{.name = "far", .x = kMost, .y = kMost, .width = kMost, .height = kMost},
          {.name = "near", .x = kLeast, .y = kLeast, .width = kLeast, .height = kLeast}},
         {});
    const KeyArea& area = keyboard.KbFrame();
    ASSERT_EQ(area.Keys().size(), 2u);
    for (const auto& key : area.Keys()) {
        const KeyRect& r = key->Rect();
        EXPECT_GE(area.Width(), std::int64_t{r.Left} + r.Width);
        EXPECT_GE(area.Height(), std::int64_t{r.Top} + r.Height);
    }
    EXPECT_EQ(view.width, area.Width());
    EXPECT_EQ(view.height, area.Height());
}

TEST_F(OnScreenKeyboardTest, CharacterLightsTheFirstKeyInNameOrderWithItsKeyValue) {
    // Stored out of order: the table walks, and the keys are built, by Name.
    Load({{.name = "K2", .keyValue = 30, .finger = 6},
          {.name = "K0", .keyValue = 12, .finger = 1},
          {.name = "K1", .keyValue = 30, .finger = 3}},
         {CharTableRow('a', 30)});
    EXPECT_EQ(keyboard.HighlightKey('a'), 3);
    ASSERT_EQ(keyboard.CurrentKey(), &Key(1));
    EXPECT_EQ(Key(1).KeyValue, 30);
    EXPECT_TRUE(Key(1).ShowsHighlightGlyph());
    EXPECT_TRUE(Key(1).Down());
    EXPECT_EQ(LitKeys(), 1);
}

TEST_F(OnScreenKeyboardTest, ShiftedCharacterLightsOnlyItsOwnKey) {
    Load({{.name = "A", .keyValue = 30, .keyType = 1, .finger = 0},
          {.name = "LShift", .keyValue = 42, .keyType = kLeftShiftKeyType, .finger = 0}},
         {CharTableRow('A', 30, true), CharTableRow('a', 30)});
    EXPECT_EQ(keyboard.HighlightKey('a'), 0);
    const ButtonType* plain = keyboard.CurrentKey();
    EXPECT_EQ(keyboard.HighlightKey('A'), 0);
    EXPECT_EQ(keyboard.CurrentKey(), plain);
    EXPECT_EQ(LitKeys(), 1);
    EXPECT_FALSE(Key(1).Down());

    // The same character again keeps its key lit.
    EXPECT_EQ(keyboard.HighlightKey('A'), 0);
    EXPECT_TRUE(plain->ShowsHighlightGlyph());
    EXPECT_TRUE(plain->Down());
}

TEST_F(OnScreenKeyboardTest, CharacterWithoutKeyClearsTheHighlight) {
    Load({{.name = "A", .keyValue = 30, .finger = 0}}, {CharTableRow('a', 30), CharTableRow('q', 99)});
    keyboard.HighlightKey('a');
    EXPECT_EQ(keyboard.HighlightKey('z'), -1);  // no row for the character
    EXPECT_EQ(keyboard.CurrentKey(), nullptr);
    EXPECT_EQ(LitKeys(), 0);

    keyboard.HighlightKey('a');
    EXPECT_EQ(keyboard.HighlightKey('q'), -1);  // its key number matches no key
    EXPECT_EQ(LitKeys(), 0);
    EXPECT_EQ(keyboard.HighlightKey(0), -1);
}

TEST_F(OnScreenKeyboardTest, SteadyHighlightPressesOnlyKeysWithAGroup) {
    Load({{.name = "A", .keyValue = 30, .keyType = 1}, {.name = "Home", .keyValue = 71, .keyType = 32}},
         {CharTableRow('a', 30), CharTableRow(1, 71)});
    keyboard.HighlightKey(1);
    EXPECT_TRUE(Key(1).ShowsHighlightGlyph());
    EXPECT_FALSE(Key(1).Down());
    keyboard.BlinkTick();
    EXPECT_TRUE(Key(1).ShowsHighlightGlyph());

    keyboard.HighlightKey('a');
    EXPECT_FALSE(Key(1).ShowsHighlightGlyph());
    EXPECT_TRUE(Key(0).ShowsHighlightGlyph());
    EXPECT_TRUE(Key(0).Down());
}

TEST_F(OnScreenKeyboardTest, SteadyTickPressesTheCurrentKeyAgainWhenSomethingReleasedIt) {
    Load({{.name = "A", .keyValue = 30}, {.name = "B", .keyValue = 48}}, {CharTableRow('a', 30)});
    keyboard.HighlightKey('a');
    const_cast<ButtonType&>(Key(1)).SetDown(true);  // a click on another key of the group
    EXPECT_FALSE(Key(0).Down());
    keyboard.BlinkTick();
    EXPECT_TRUE(Key(0).Down());
    EXPECT_FALSE(Key(1).Down());
}

TEST_F(OnScreenKeyboardTest, BlinkingPressesAndReleasesInTurnWithoutInvertingThePicture) {
    Load({{.name = "A", .keyValue = 30, .keyType = 1}, {.name = "Home", .keyValue = 71, .keyType = 32}},
         {CharTableRow('a', 30), CharTableRow(1, 71)}, /*blinking=*/true);
    EXPECT_TRUE(keyboard.BlinkState());
    keyboard.HighlightKey('a');
    EXPECT_TRUE(Key(0).Down());
    std::vector<bool> pressed;
    for (int tick = 0; tick < 4; ++tick) {
        keyboard.BlinkTick();
        pressed.push_back(Key(0).Down());
        EXPECT_FALSE(Key(0).ShowsHighlightGlyph());
    }
    EXPECT_THAT(pressed, ::testing::ElementsAre(true, false, true, false));

    // A key without a group shows nothing while it blinks.
    keyboard.HighlightKey(1);
    keyboard.BlinkTick();
    keyboard.BlinkTick();
    EXPECT_EQ(LitKeys(), 0);
}

TEST_F(OnScreenKeyboardTest, BlinkStateGoesOnAcrossTemplatesAndTheTimerRunsOnlyWhileShown) {
    Load({{.name = "A", .keyValue = 30}}, {CharTableRow('a', 30)}, true);
    keyboard.HighlightKey('a');
    keyboard.BlinkTick();
    EXPECT_FALSE(keyboard.BlinkState());
    keyboard.LoadTemplate(kNoTemplate);
    EXPECT_EQ(keyboard.CurrentKey(), nullptr);
    EXPECT_FALSE(keyboard.BlinkState());
    keyboard.BlinkTick();  // no current key: nothing changes
    EXPECT_FALSE(keyboard.BlinkState());

    keyboard.Shown();
    EXPECT_TRUE(view.timerRunning);
    keyboard.Hidden();
    EXPECT_FALSE(view.timerRunning);
}

TEST_F(OnScreenKeyboardTest, PressingAKeyReleasesTheOtherOfItsGroupOnly) {
    Load({{.name = "A", .keyValue = 30, .keyType = 1},
          {.name = "B", .keyValue = 48, .keyType = 5},
          {.name = "LShift", .keyValue = 42, .keyType = kLeftShiftKeyType},
          {.name = "RShift", .keyValue = 54, .keyType = kRightShiftKeyType},
          {.name = "Tab", .keyValue = 15, .keyType = 9}},
         {});
    auto key = [&](int i) -> ButtonType& { return const_cast<ButtonType&>(Key(i)); };
    key(0).SetDown(true);
    key(2).SetDown(true);
    key(1).SetDown(true);  // same group as A
    EXPECT_FALSE(key(0).Down());
    EXPECT_TRUE(key(1).Down());
    EXPECT_TRUE(key(2).Down());
    key(3).SetDown(true);  // both Shift keys share a group
    EXPECT_FALSE(key(2).Down());
    key(4).SetDown(true);  // no group: never pressed
    EXPECT_FALSE(key(4).Down());
    key(1).SetDown(false);  // every key of a group may be up
    EXPECT_FALSE(key(1).Down());
}

TEST(KeyGroupsTest, GroupsFollowTheKindOfKey) {
    EXPECT_EQ(KeyGroupOf(-5), 1);
    EXPECT_EQ(KeyGroupOf(1), 1);
    EXPECT_EQ(KeyGroupOf(7), 1);
    EXPECT_EQ(KeyGroupOf(8), kNoKeyGroup);
    EXPECT_EQ(KeyGroupOf(20), 20);
    EXPECT_EQ(KeyGroupOf(1000), 1000);
    EXPECT_EQ(KeyGroupOf(1002), 1002);
    EXPECT_EQ(KeyGroupOf(1003), 1002);
    EXPECT_EQ(KeyGroupOf(2001), 2000);
    EXPECT_EQ(KeyGroupOf(2008), 2000);
    EXPECT_EQ(KeyGroupOf(2009), kNoKeyGroup);
    EXPECT_EQ(KeyGroupOf(32), kNoKeyGroup);
}

TEST_F(OnScreenKeyboardTest, KeysGetTheirPicturesFaceColorsAndInvertedCopies) {
    Bitmap picture = testing::KeyPicture(20, 10, 0xFFFFFF);
    picture.SetPixel(5, 5, 0x7F7F7F);
    Load({{.name = "A", .keyValue = 30, .glyph = testing::BmpBytes(picture)}}, {});
    const ButtonType& key = Key(0);
    EXPECT_EQ(key.NormalGlyph(), picture);
    EXPECT_EQ(key.FaceColor(), 0xFFFFFFu);
    EXPECT_EQ(key.HighlightGlyph().Pixel(1, 1), 0x000000u);
    EXPECT_EQ(key.HighlightGlyph().Pixel(5, 5), kHighlightTransparent);
    EXPECT_EQ(key.HighlightGlyph().Pixel(0, 0), 0xDFDFDFu);
    EXPECT_EQ(key.HighlightGlyph().BottomLeft(), kHighlightTransparent);
}

TEST_F(OnScreenKeyboardTest, BadPictureStopsTheBuildingKeepingTheKeysBefore) {
    FillStore(store,
              {{.name = "A", .keyValue = 30},
               {.name = "B", .keyValue = 48},
               {.name = "C", .keyValue = 46, .x = 400, .glyph = "BMnot a picture"},
               {.name = "D", .keyValue = 32}},
              {CharTableRow('a', 30), CharTableRow('d', 32)});
    keyboard.BlinkMode = false;
    try {
        keyboard.LoadTemplate(kNoTemplate);
        FAIL() << "a bad picture must stop the building";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "Bitmap image is not valid");
    }
    ASSERT_EQ(keyboard.KbFrame().Keys().size(), 3u);  // the third key was made before its picture
    EXPECT_FALSE(Key(1).NormalGlyph().Empty());
    EXPECT_EQ(view.width, 446);  // the window still fits the key area
    EXPECT_EQ(keyboard.HighlightKey('a'), 0);
    EXPECT_EQ(keyboard.HighlightKey('d'), -1);  // its key was never built
}

// A few kilobytes of template can ask for the same huge picture on key
// after key; a keyboard holds pictures of a few million pixels at most, far
// above any real one, and a picture beyond that stops the building as a bad
// one does.
TEST_F(OnScreenKeyboardTest, PicturesBeyondWhatAKeyboardHoldsStopTheBuilding) {
    const std::string huge = testing::BmpBytes(testing::KeyPicture(1500, 1000, 0xFFFFFF));
    FillStore(store,
              {{.name = "A", .keyValue = 30, .glyph = huge},
               {.name = "B", .keyValue = 31, .glyph = huge},
               {.name = "C", .keyValue = 32, .glyph = huge}},
              {});
    try {
        keyboard.LoadTemplate(kNoTemplate);
        FAIL() << "the third picture must stop the building";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "Bitmap image is not valid");
    }
    ASSERT_EQ(keyboard.KbFrame().Keys().size(), 3u);
    EXPECT_FALSE(Key(1).NormalGlyph().Empty());
    EXPECT_TRUE(Key(2).NormalGlyph().Empty());
}

TEST_F(OnScreenKeyboardTest, MissingFieldAndClosedTablesPassTheirErrorsToTheCaller) {
    FillStore(store, {{.name = "A", .keyValue = 30}}, {CharTableRow('a', 30)});
    keyboard.LoadTemplate(kNoTemplate);
    keyboard.HighlightKey('a');

    auto fields = KeyTableFields();
    std::erase_if(fields, [](const FieldDef& f) { return f.name == "Width"; });
    store.MainTbl.Reset(
        fields, {{std::string("A"), std::int64_t{30}, std::int64_t{1}, std::int64_t{0}, std::int64_t{0},
                  std::string(), std::int64_t{36}, std::int64_t{0}, std::int64_t{0}, std::string()}});
    EXPECT_THROW(
        {
            try {
                keyboard.LoadTemplate(kNoTemplate);
            } catch (const LibraryError& error) {
                EXPECT_STREQ(error.what(), "Field 'Width' not found");
                throw;
            }
        },
        LibraryError);
    EXPECT_TRUE(keyboard.KbFrame().Keys().empty());
    EXPECT_EQ(keyboard.CurrentKey(), nullptr);  // the old key is gone with the keys

    store.MainTbl.Close();
    EXPECT_THROW(keyboard.LoadTemplate(kNoTemplate), LibraryError);
    store.MainTbl.Reset(KeyTableFields(), {});
    store.Ctbl.Close();
    keyboard.LoadTemplate(kNoTemplate);
    try {
        keyboard.HighlightKey('a');
        FAIL() << "a closed character table must fail";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "Cannot perform this operation on a closed dataset");
    }
}

TEST_F(OnScreenKeyboardTest, ReadTemplateReplacesEveryKeyAndColorsTheArea) {
    Load({{.name = "A", .keyValue = 30}, {.name = "B", .keyValue = 48}, {.name = "C", .keyValue = 46}},
         {CharTableRow('a', 30)});
    keyboard.HighlightKey('a');

    test::TempFolder folder;
    const auto path = folder / "layout.zqt";
    testing::WriteZip(path, {{"key.cds", testing::KeyPacket({testing::KeyTableRow(
                                             {.name = "Q", .keyValue = 16, .finger = 0, .x = 50})})},
                             {"char.cds", testing::CharPacket({CharTableRow('q', 16)})},
                             {"readme", "bkcolor=$80FF00\r\nLMiddle=60\r\n"}});
    keyboard.LoadTemplate(path.string());
    ASSERT_EQ(keyboard.KbFrame().Keys().size(), 1u);
    EXPECT_EQ(keyboard.CurrentKey(), nullptr);
    EXPECT_EQ(keyboard.KbFrame().BackgroundColor(), 0x80FF00);
    EXPECT_EQ(keyboard.HighlightKey('q'), 0);
    EXPECT_EQ(keyboard.HighlightKey('a'), -1);
}

}  // namespace
}  // namespace zq
