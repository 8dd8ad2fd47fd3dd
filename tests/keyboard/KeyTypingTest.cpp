// Keys read by their place through a keyboard layout, with dead keys
// composed: what a learner types on a desktop whose layout the program
// cannot switch.
#include "keyboard/KeyTyping.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-keysyms.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/TempFolder.h"

namespace zq {
namespace {

// XKB keycodes: the kernel's key codes plus 8, as desktops report them.
enum Keycode : std::uint32_t {
    k1 = 10,
    k2 = 11,
    k0 = 19,
    kEqual = 21,  // the key right of 0: the acute accent on a German keyboard
    kQ = 24,
    kE = 26,
    kY = 29,
    kLeftBrace = 34,  // right of P: the circumflex on a French keyboard
    kReturn = 36,
    kA = 38,
    kSemicolon = 47,
    kLeftShift = 50,
    kZ = 52,
    kX = 53,
    kSpace = 65,
    kCapsLock = 66,
    kRightAlt = 108,
};

// The dead-key sequences of US English in UTF-8, the table most locales
// include: read from the system's file, so that no XCompose file of the
// person running the tests can change them.
std::unique_ptr<KeyComposer> SystemComposer() {
    return KeyComposer::FromFile("/usr/share/X11/locale/en_US.UTF-8/Compose", "en_US.UTF-8");
}

std::unique_ptr<LayoutKeyReader> Layout(const std::string& layout, const std::string& variant = "") {
    auto reader = LayoutKeyReader::ForLayout({layout, variant});
    EXPECT_NE(reader, nullptr) << layout;
    return reader;
}

// A learner on a desktop typing with the US layout, the program reading
// their keys through a layout of its own.
class KeyTypingTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto composer = SystemComposer();
        ASSERT_NE(composer, nullptr) << "the system has no compose table for en_US.UTF-8";
        typing = std::make_unique<KeyTyping>(std::move(composer));
        us = Layout("us");
    }

    // The key as a US desktop reports it, pressed and released; what the
    // program reads it as.
    std::u32string Tap(std::uint32_t keycode) {
        const std::u32string text = Press(keycode);
        typing->Release(keycode, false);
        return text;
    }
    std::u32string Press(std::uint32_t keycode) { return typing->Press(OnUsDesktop(keycode)).text; }

    std::u32string TapAll(std::initializer_list<std::uint32_t> keycodes) {
        std::u32string text;
        for (std::uint32_t keycode : keycodes) text += Tap(keycode);
        return text;
    }

    KeyTyping::DesktopKey OnUsDesktop(std::uint32_t keycode, bool capsLock = false) {
        LayoutKeyReader::Key key = us->Repeat(keycode);
        return {.keycode = keycode,
                .keysym = key.keysym,
                .text = key.character != 0 ? std::u32string(1, key.character) : std::u32string(),
                .capsLock = capsLock};
    }

    std::unique_ptr<KeyTyping> typing;
    std::unique_ptr<LayoutKeyReader> us;
};

TEST_F(KeyTypingTest, KeysAreReadByTheirPlaceOnTheLayoutThatIsPractised) {
    EXPECT_EQ(TapAll({kY, kZ, kSemicolon}), U"yz;") << "the desktop's own layout before any";
    typing->ReadThrough(Layout("de"));
    EXPECT_EQ(TapAll({kY, kZ, kSemicolon}), U"zyö");
    typing->ReadThrough(Layout("fr"));
    EXPECT_EQ(TapAll({kQ, kA, k1}), U"aq&");
    typing->ReadThrough(nullptr);
    EXPECT_EQ(TapAll({kQ, kA, k1}), U"qa1");
}

TEST_F(KeyTypingTest, ShiftAndAltGrAreTheLayoutsOwnWhateverTheDesktopMakesOfThem) {
    typing->ReadThrough(Layout("de"));
    Press(kLeftShift);
    EXPECT_EQ(Tap(k2), U"\"");
    typing->Release(kLeftShift, false);
    EXPECT_EQ(Tap(k2), U"2");

    // The right Alt key is plain Alt on a US desktop and AltGr in German.
    EXPECT_EQ(Press(kRightAlt), U"");
    EXPECT_EQ(TapAll({kQ, kE}), U"@€");
    typing->Release(kRightAlt, false);
    EXPECT_EQ(Tap(kQ), U"q");

    typing->ReadThrough(Layout("fr"));
    Press(kRightAlt);
    EXPECT_EQ(Tap(k0), U"@");
    typing->Release(kRightAlt, false);
    EXPECT_EQ(Tap(k0), U"à");
}

TEST_F(KeyTypingTest, ADeadKeyOfThePractisedLayoutChangesTheNextCharacter) {
    typing->ReadThrough(Layout("de"));
    EXPECT_EQ(Tap(kEqual), U"") << "the dead key types nothing by itself";
    EXPECT_EQ(Tap(kE), U"é");
    EXPECT_EQ(TapAll({kEqual, kSpace}), U"'") << "as the compose table has it";
    EXPECT_EQ(TapAll({kEqual, kEqual}), U"´");
    EXPECT_EQ(TapAll({kEqual, kX}), U"x") << "a key no sequence continues types alone";

    typing->ReadThrough(Layout("fr"));
    EXPECT_EQ(TapAll({kLeftBrace, kE}), U"ê");
    Press(kLeftShift);
    EXPECT_EQ(Tap(kLeftBrace), U"");
    typing->Release(kLeftShift, false);
    EXPECT_EQ(Tap(kE), U"ë");
}

TEST_F(KeyTypingTest, ADeadKeyOfTheDesktopIsComposedBeforeAnyLayoutIsPractised) {
    auto desktopDe = Layout("de");
    const LayoutKeyReader::Key dead = desktopDe->Repeat(kEqual);
    ASSERT_EQ(dead.keysym, XKB_KEY_dead_acute);
    EXPECT_EQ(typing->Press({.keycode = kEqual, .keysym = dead.keysym, .text = U""}).text, U"");
    EXPECT_EQ(typing->Press({.keycode = kE, .keysym = XKB_KEY_e, .text = U"e"}).text, U"é");
}

TEST_F(KeyTypingTest, AKeyThatGivesTheSameOnBothLayoutsTypesWhatTheDesktopSays) {
    typing->ReadThrough(Layout("de"));
    const KeyTyping::Typed typed = typing->Press({.keycode = kReturn, .keysym = XKB_KEY_Return, .text = U""});
    EXPECT_EQ(typed.keysym, static_cast<std::uint32_t>(XKB_KEY_Return));
    EXPECT_EQ(typed.text, U"") << "not the control character the layout would give";
}

TEST_F(KeyTypingTest, TheDesktopsCapsLockIsTakenAtTheFirstKeyAndThenFollowed) {
    typing->ReadThrough(Layout("de"));
    EXPECT_EQ(typing->Press(OnUsDesktop(kSemicolon, true)).text, U"Ö");
    typing->Release(kSemicolon, false);
    EXPECT_EQ(Tap(kCapsLock), U"");
    EXPECT_EQ(Tap(kSemicolon), U"ö") << "Caps Lock pressed in the program unlocks it";

    typing->Reset();  // the program was away, and Caps Lock was pressed meanwhile
    EXPECT_EQ(typing->Press(OnUsDesktop(kA, true)).text, U"A");
}

TEST_F(KeyTypingTest, LosingTheKeyboardForgetsKeysHeldAndADeadKeyBegun) {
    typing->ReadThrough(Layout("de"));
    Press(kLeftShift);
    Tap(kEqual);
    typing->Reset();
    EXPECT_EQ(Tap(kE), U"e");
}

TEST_F(KeyTypingTest, AKeyHeldDownRepeatsWithoutChangingWhatIsHeld) {
    typing->ReadThrough(Layout("de"));
    Press(kLeftShift);
    KeyTyping::DesktopKey shiftAgain = OnUsDesktop(kLeftShift);
    shiftAgain.repeat = true;
    typing->Press(shiftAgain);
    typing->Release(kLeftShift, true);  // the desktop's repeat, not the learner's release
    EXPECT_EQ(Tap(kY), U"Z");
    typing->Release(kLeftShift, false);
    EXPECT_EQ(Tap(kY), U"z");
}

TEST(LayoutKeyReaderTest, ALayoutOrVariantTheSystemLacksGivesNoReader) {
    EXPECT_EQ(LayoutKeyReader::ForLayout({"zz", ""}), nullptr);
    EXPECT_EQ(LayoutKeyReader::ForLayout({"", ""}), nullptr);
    auto variant = LayoutKeyReader::ForLayout({"de", "nodeadkeys"});
    ASSERT_NE(variant, nullptr);
    EXPECT_EQ(variant->Press(kEqual).character, U'´') << "no dead keys in that variant";
}

// An environment variable set (or unset) for one test, and put back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(KeyComposerTest, TheUsersOwnComposeFileComesBeforeTheLocales) {
    test::TempFolder home;
    home.Write(".XCompose", "include \"%L\"\n<dead_acute> <x> : \"\u0445\"\n");
    const ScopedVariable homeFolder("HOME", home.Path().c_str());
    const ScopedVariable noComposeFile("XCOMPOSEFILE", nullptr);
    const ScopedVariable noConfigFolder("XDG_CONFIG_HOME", nullptr);

    auto composer = KeyComposer::ForLocale("en_US.UTF-8");
    ASSERT_NE(composer, nullptr);
    EXPECT_EQ(composer->Press(XKB_KEY_dead_acute, U""), U"");
    EXPECT_TRUE(composer->Composing());
    EXPECT_EQ(composer->Press(XKB_KEY_x, U"x"), U"\u0445") << "the user's sequence";
    composer->Press(XKB_KEY_dead_acute, U"");
    EXPECT_EQ(composer->Press(XKB_KEY_e, U"e"), U"é") << "and the locale's, which it includes";
}

TEST(KeyComposerTest, AFileThatCannotBeReadGivesNoComposer) {
    EXPECT_EQ(KeyComposer::FromFile("/nonexistent/Compose", "en_US.UTF-8"), nullptr);
}

TEST(KeyComposerTest, ModifiersLeaveASequenceWaiting) {
    auto composer = SystemComposer();
    ASSERT_NE(composer, nullptr);
    composer->Press(XKB_KEY_dead_diaeresis, U"");
    EXPECT_EQ(composer->Press(XKB_KEY_Shift_L, U""), U"");
    EXPECT_TRUE(composer->Composing());
    EXPECT_EQ(composer->Press(XKB_KEY_E, U"E"), U"Ë");
    EXPECT_FALSE(composer->Composing());
}

}  // namespace
}  // namespace zq
