// The on-screen keyboard with its modifier guidance on: besides a
// character's key, the Shift of the other hand, AltGr and the dead key it
// needs are lit, and the finger given is that of the first key to press.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyboard/DataTable.h"
#include "keyboard/OnScreenKeyboard.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using ::testing::UnorderedElementsAreArray;

struct Key {
    const char* name;
    std::int64_t keyValue, keyType, keyType2, finger;
};

// Keys in Name order; the comment gives their index.
const std::vector<Key> kKeys = {
    {"A1 Q", 16, 1, 0, 0},           // 0: left little finger
    {"A2 E", 18, 1, 0, 2},           // 1: left middle
    {"A3 J", 36, 1, 0, 6},           // 2: right index
    {"B1 LShift", 42, 1002, 0, 0},   // 3
    {"B2 RShift", 54, 1003, 0, 9},   // 4
    {"B3 AltGr", 312, 1000, 0, 5},   // 5
    {"C1 Circ", 26, 2003, 2005, 9},  // 6: dead circumflex, with Shift dead diaeresis
    {"C2 Star", 43, 2, 2001, 8},     // 7: a character key, with AltGr dead grave
};

std::vector<FieldValue> CharRow(unsigned char code, std::int64_t keyNo, bool shift = false,
                                bool altGr = false, std::int64_t accent = 0) {
    return {std::string(1, static_cast<char>(code)), std::int64_t{code}, keyNo, shift, altGr, accent};
}

class ModifierGuidanceTest : public ::testing::Test {
protected:
    ModifierGuidanceTest() {
        std::vector<std::vector<FieldValue>> keyRows;
        for (const Key& k : kKeys) {
            keyRows.push_back({std::string(k.name), k.keyValue, k.keyType, k.keyType2, k.finger,
                               std::string(), std::int64_t{30}, std::int64_t{30}, std::int64_t{0},
                               std::int64_t{0}, std::string()});
        }
        store.MainTbl.Reset(KeyTableFields(), std::move(keyRows));
        store.MainTbl.SortBy("Name");
        store.Ctbl.Reset(CharTableFields(),
                         {CharRow('e', 18), CharRow('E', 18, true), CharRow('J', 36, true),
                          CharRow('@', 16, false, true), CharRow(0xEA, 18, false, false, 2003),  // ê
                          CharRow(0xCB, 18, true, false, 2005),                                  // Ë
                          CharRow(0xE8, 18, false, false, 2001),                                 // è
                          CharRow('~', 99, true)});  // a key the table lacks
        store.Ctbl.SortBy("Code");
        keyboard.BlinkMode = false;
        keyboard.ShowModifiers = true;
        keyboard.LoadTemplate("/nonexistent/zq-modifier-test/layout.zqt");
    }
    // The keys that look lit, by index.
    std::vector<int> LitKeys() const {
        std::vector<int> lit;
        const auto& keys = keyboard.KbFrame().Keys();
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i]->ShowsHighlightGlyph()) lit.push_back(static_cast<int>(i));
        return lit;
    }

    struct NoView : KeyboardView {
        void SetClientSize(int, int) override {}
        void StartBlinkTimer() override {}
        void StopBlinkTimer() override {}
    } view;
    TDataMod store;
    OnScreenKeyboard keyboard{store, view, nullptr};
};

TEST_F(ModifierGuidanceTest, OffACharacterLightsOnlyItsOwnKey) {
    keyboard.ShowModifiers = false;
    EXPECT_EQ(keyboard.HighlightKey('E'), 2);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({1}));
    EXPECT_EQ(keyboard.HighlightKey(0xCB), 2);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({1}));
}

TEST_F(ModifierGuidanceTest, APlainCharacterLightsItsKeyAndPointsAtItsFinger) {
    EXPECT_EQ(keyboard.HighlightKey('e'), 2);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({1}));
    EXPECT_TRUE(keyboard.LitModifiers().empty());
}

TEST_F(ModifierGuidanceTest, ShiftIsTheOneOfTheOtherHandAndItsFingerComesFirst) {
    EXPECT_EQ(keyboard.HighlightKey('E'), 9);  // right little finger on the right Shift
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({1, 4}));
    EXPECT_EQ(keyboard.HighlightKey('J'), 0);  // left little finger on the left Shift
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({2, 3}));
}

TEST_F(ModifierGuidanceTest, AltGrIsLitWithItsKey) {
    EXPECT_EQ(keyboard.HighlightKey('@'), 5);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({0, 5}));
}

TEST_F(ModifierGuidanceTest, ADeadKeyIsPressedFirstWithWhatItNeedsHeld) {
    EXPECT_EQ(keyboard.HighlightKey(0xEA), 9);  // ê: the dead circumflex alone, then e
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({6, 1}));

    // Ë: Shift (of the hand other than the dead key's) with the dead key for
    // the diaeresis, then Shift (of the other hand than e's) with e.
    EXPECT_EQ(keyboard.HighlightKey(0xCB), 0);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({3, 6, 4, 1}));

    // è: AltGr with the character key that gives the dead grave, then e.
    EXPECT_EQ(keyboard.HighlightKey(0xE8), 5);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({5, 7, 1}));
}

TEST_F(ModifierGuidanceTest, TheNextCharacterTakesTheLightFromTheModifiers) {
    keyboard.HighlightKey(0xCB);
    EXPECT_EQ(keyboard.HighlightKey('e'), 2);
    EXPECT_THAT(LitKeys(), UnorderedElementsAreArray({1}));
    EXPECT_EQ(keyboard.HighlightKey('~'), -1);
    EXPECT_TRUE(LitKeys().empty());
}

TEST_F(ModifierGuidanceTest, SteadyModifiersStayPressedAndBlinkingOnesBlinkWithTheKey) {
    keyboard.HighlightKey('E');
    const ButtonType& shift = *keyboard.KbFrame().Keys()[4];
    const ButtonType& e = *keyboard.KbFrame().Keys()[1];
    EXPECT_TRUE(shift.Down() && e.Down());
    keyboard.BlinkTick();
    EXPECT_TRUE(shift.Down() && e.Down());

    // Both Shift keys lit: the one pressed last keeps the press at every tick.
    keyboard.HighlightKey(0xCB);
    const ButtonType& leftShift = *keyboard.KbFrame().Keys()[3];
    for (int tick = 0; tick < 3; ++tick) {
        keyboard.BlinkTick();
        EXPECT_TRUE(shift.Down());
        EXPECT_FALSE(leftShift.Down());
        EXPECT_TRUE(leftShift.ShowsHighlightGlyph());
    }

    keyboard.HighlightKey('E');
    keyboard.BlinkMode = true;
    const bool first = keyboard.BlinkState();
    keyboard.BlinkTick();
    EXPECT_EQ(shift.Down(), first);
    EXPECT_EQ(e.Down(), first);
    keyboard.BlinkTick();
    EXPECT_EQ(shift.Down(), !first);
    EXPECT_EQ(e.Down(), !first);
}

}  // namespace
}  // namespace zq
