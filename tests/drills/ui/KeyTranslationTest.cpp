// Qt's key events as the drills and the game see them: Windows virtual-key
// codes for the key-down handlers, typed characters for the judging.
#include "drills/ui/KeyTranslation.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "base/VirtualKeys.h"

namespace zq {
namespace {

int VirtualKeyOfKey(int key, const QString& text = {}) {
    return VirtualKeyOf(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
}

std::optional<char32_t> TypedBy(int key, const QString& text,
                                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return TypedCharacterOf(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

TEST(KeyTranslation, LettersAndDigitsHaveTheCodesOfTheirCapitalsAndDigits) {
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_A, "a"), 'A');
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Z, "Z"), 'Z');
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_0, "0"), '0');
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_9, "9"), '9');
}

TEST(KeyTranslation, OtherKeysHaveTheirWindowsCodes) {
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_F1), VK_F1);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_F12), VK_F1 + 11);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_F24), VK_F24);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Backspace), VK_BACK);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Backtab), VK_TAB);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Enter), VK_RETURN);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_AltGr), VK_MENU);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_CapsLock), VK_CAPITAL);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Escape), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_PageUp), VK_PRIOR);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_PageDown), VK_NEXT);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Home), VK_HOME);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Right), VK_RIGHT);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Insert), VK_INSERT);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Delete), VK_DELETE);
    EXPECT_EQ(VirtualKeyOfKey(Qt::Key_Dead_Acute), 0) << "a key without a code";
}

TEST(KeyTranslation, ControlKeysTypeTheCharactersOfTheirCodes) {
    EXPECT_EQ(TypedBy(Qt::Key_Backspace, {}), char32_t{VK_BACK});
    EXPECT_EQ(TypedBy(Qt::Key_Tab, {}), char32_t{VK_TAB});
    EXPECT_EQ(TypedBy(Qt::Key_Return, {}), char32_t{VK_RETURN});
    EXPECT_EQ(TypedBy(Qt::Key_Escape, {}), char32_t{VK_ESCAPE});
}

TEST(KeyTranslation, OtherKeysTypeTheirTextAndShortcutsNothing) {
    EXPECT_EQ(TypedBy(Qt::Key_E, "\u00E9"), U'\u00E9');
    EXPECT_EQ(TypedBy(Qt::Key_Space, " "), U' ');
    EXPECT_EQ(TypedBy(Qt::Key_Shift, {}), std::nullopt);
    EXPECT_EQ(TypedBy(Qt::Key_V, "\x16", Qt::ControlModifier), std::nullopt) << "Ctrl+V";
}

}  // namespace
}  // namespace zq
