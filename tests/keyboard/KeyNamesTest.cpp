// What a screen reader calls the keys of the on-screen keyboard, and what
// it says of the lit key.
#include "keyboard/KeyNames.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../speech/SpokenLanguage.h"
#include "keyboard/FingerNames.h"
#include "keyboard/OnScreenKeyboard.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using ::testing::ElementsAre;

struct Key {
    const char* name;
    std::int64_t keyValue, keyType, finger;
    const char* hint;
};

std::vector<FieldValue> CharRow(const char* name, unsigned char code, std::int64_t keyNo, bool shift = false,
                                bool altGr = false, std::int64_t accent = 0) {
    return {std::string(name), std::int64_t{code}, keyNo, shift, altGr, accent};
}

class KeyNamesTest : public ::testing::Test {
protected:
    void Fill(const std::vector<Key>& keys, std::vector<std::vector<FieldValue>> chars) {
        std::vector<std::vector<FieldValue>> keyRows;
        for (const Key& k : keys) {
            keyRows.push_back({std::string(k.name), k.keyValue, k.keyType, std::int64_t{0}, k.finger,
                               std::string(), std::int64_t{30}, std::int64_t{30}, std::int64_t{0},
                               std::int64_t{0}, std::string(k.hint)});
        }
        store.MainTbl.Reset(KeyTableFields(), std::move(keyRows));
        store.MainTbl.SortBy("Name");
        store.Ctbl.Reset(CharTableFields(), std::move(chars));
        store.Ctbl.SortBy("Code");
    }
    void Load() {
        keyboard.BlinkMode = false;
        keyboard.LoadTemplate("/nonexistent/zq-key-names-test/layout.zqt");
    }

    struct NoView : KeyboardView {
        void SetClientSize(int, int) override {}
        void StartBlinkTimer() override {}
        void StopBlinkTimer() override {}
    } view;
    TDataMod store;
    OnScreenKeyboard keyboard{store, view, nullptr};
};

// Keys in Name order: A, Space, Q, LShift.
const std::vector<Key> kKeys = {
    {"A1 A", 30, 1, 3, ""},
    {"A2 Space", 57, 2, 4, ""},
    {"A3 Q", 16, 1, 0, "q, Shift Q"},
    {"B1 LShift", 42, 1002, 0, "Left Shift"},
};

const std::vector<std::vector<FieldValue>> kChars = {
    CharRow("space", ' ', 57),
    CharRow("A", 'A', 30, true),
    CharRow("Q", 'Q', 16, true),
    CharRow("a", 'a', 30),
    CharRow("q", 'q', 16),
    CharRow("ae", 0xE6, 30, false, true),
    CharRow("agrave", 0xE0, 30, false, false, 2001),
};

TEST_F(KeyNamesTest, AHintNamesItsKeyElseTheCharactersTheKeyTypesAlone) {
    Fill(kKeys, kChars);
    // Shifted, AltGr and accented characters are left out; a space is
    // named, not typed.
    EXPECT_THAT(KeyNames8(store), ElementsAre("a", "space", "q, Shift Q", "Left Shift"));
}

TEST_F(KeyNamesTest, AKeyOfNoCharacterAndNoHintIsNamedByItsPlace) {
    Fill(kKeys, kChars);
    Load();
    EXPECT_EQ(keyboard.KeyName(0), "a");
    EXPECT_EQ(keyboard.KeyName(3), "Left Shift");

    Fill({{"A1 Menu", 93, 93, -1, ""}, {"A2 A", 30, 1, 3, ""}}, {CharRow("a", 'a', 30)});
    Load();
    EXPECT_EQ(keyboard.KeyName(0), "key 1");
    EXPECT_EQ(keyboard.KeyName(1), "a");
}

TEST_F(KeyNamesTest, ACharacterTableThatCannotTellLeavesTheHintsAndTheKeyboardLoads) {
    Fill(kKeys, kChars);
    store.Ctbl.Close();
    Load();
    ASSERT_EQ(keyboard.KbFrame().Keys().size(), 4u);
    EXPECT_EQ(keyboard.KeyName(0), "key 1");
    EXPECT_EQ(keyboard.KeyName(2), "q, Shift Q");
}

TEST_F(KeyNamesTest, TheLitKeyIsToldWithItsFingerAndTheShiftLitBesideIt) {
    Fill(kKeys, kChars);
    Load();
    EXPECT_EQ(keyboard.LitKeyText(), "");
    keyboard.HighlightKey('a');
    EXPECT_EQ(keyboard.CurrentKeyIndex(), 0);
    EXPECT_EQ(keyboard.LitKeyText(), "Next key: a, left index finger");
    keyboard.HighlightKey(' ');
    EXPECT_EQ(keyboard.LitKeyText(), "Next key: space, left thumb");

    keyboard.ShowModifiers = true;
    keyboard.HighlightKey('A');
    EXPECT_EQ(keyboard.LitKeyText(), "Next key: a, left index finger, with Left Shift");

    keyboard.HighlightKey('~');  // no key
    EXPECT_EQ(keyboard.CurrentKeyIndex(), -1);
    EXPECT_EQ(keyboard.LitKeyText(), "");
}

// A French window's screen reader hears French key names, not the
// template's English words.
TEST_F(KeyNamesTest, TheKeysAreNamedInTheLanguageOfTheWindows) {
    const testing::SpokenLanguage french("fr_FR");
    Fill(kKeys, kChars);
    Load();
    EXPECT_EQ(keyboard.KeyName(1), "espace");
    EXPECT_EQ(keyboard.KeyName(2), "q, Maj Q");
    EXPECT_EQ(keyboard.KeyName(3), "Maj gauche");
    keyboard.ShowModifiers = true;
    keyboard.HighlightKey('A');
    EXPECT_THAT(keyboard.LitKeyText(), ::testing::EndsWith("avec Maj gauche"));
}

TEST(FingerNamesTest, TheTenFingersFromLeftLittleToRightLittleAndNoneBeyond) {
    EXPECT_EQ(FingerName(0), "Left little finger");
    EXPECT_EQ(FingerName(4), "Left thumb");
    EXPECT_EQ(FingerName(5), "Right thumb");
    EXPECT_EQ(FingerName(9), "Right little finger");
    EXPECT_EQ(FingerNameInText(3), "left index finger");
    EXPECT_EQ(FingerNameInText(6), "right index finger");
    for (const std::int32_t none : {-1, 10}) {
        EXPECT_EQ(FingerName(none), "");
        EXPECT_EQ(FingerNameInText(none), "");
    }
}

}  // namespace
}  // namespace zq
