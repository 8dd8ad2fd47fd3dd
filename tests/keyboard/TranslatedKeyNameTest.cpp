// Key names reach screen readers in the language of the windows, from the
// program's own French and German catalogues as the build compiles them.
#include "keyboard/TranslatedKeyName.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../speech/SpokenLanguage.h"

namespace zq {
namespace {

using testing::SpokenLanguage;

TEST(TranslatedKeyNameTest, FrenchNamesTheKeysLevelsAndBlocksAndKeepsTheCharacters) {
    const SpokenLanguage french("fr_FR");
    EXPECT_EQ(TranslatedKeyName("Backspace"), "Retour arrière");
    EXPECT_EQ(TranslatedKeyName("Left Shift"), "Maj gauche");
    EXPECT_EQ(TranslatedKeyName("space"), "espace");
    EXPECT_EQ(TranslatedKeyName("Keypad 7"), "Pavé num. 7");
    EXPECT_EQ(TranslatedKeyName("Keypad Enter"), "Entrée du pavé numérique");
    EXPECT_EQ(TranslatedKeyName("q, Shift Q"), "q, Maj Q");
    EXPECT_EQ(TranslatedKeyName("\xC2\xB2, Shift ~, AltGr \xC2\xAC"), "\xC2\xB2, Maj ~, AltGr \xC2\xAC");
    EXPECT_EQ(TranslatedKeyName("dead circumflex, Shift dead diaeresis"),
              "accent circonflexe (touche morte), Maj tréma (touche morte)");
    EXPECT_EQ(TranslatedKeyName("space, Shift space, Shift+AltGr space"),
              "espace, Maj espace, Maj+AltGr espace");
}

TEST(TranslatedKeyNameTest, GermanNamesTheKeysInItsOwnWords) {
    const SpokenLanguage german("de");
    EXPECT_EQ(TranslatedKeyName("Right Shift"), "Umschalt rechts");
    EXPECT_EQ(TranslatedKeyName("Caps Lock"), "Feststelltaste");
    EXPECT_EQ(TranslatedKeyName("Del"), "Entf");
    EXPECT_EQ(TranslatedKeyName("1, Shift !, AltGr \xC2\xB9"), "1, Umschalt !, AltGr \xC2\xB9");
}

// A comma key begins its name with a comma; words of other templates, and
// the names the windows' language leaves as they are, stay.
TEST(TranslatedKeyNameTest, CommasCharactersAndUnknownWordsStayWhereTheyAre) {
    const SpokenLanguage french("fr");
    EXPECT_EQ(TranslatedKeyName(",, Shift ?"), ",, Maj ?");
    EXPECT_EQ(TranslatedKeyName("a, Shift ,"), "a, Maj ,");
    EXPECT_EQ(TranslatedKeyName("F5"), "F5");
    EXPECT_EQ(TranslatedKeyName("Hyper"), "Hyper");
    EXPECT_EQ(TranslatedKeyName("Shift"), "Shift") << "a level with nothing after it is no level";
    EXPECT_EQ(TranslatedKeyName(""), "");
}

TEST(TranslatedKeyNameTest, WithoutATranslationTheTemplatesNamesStayAsTheyAre) {
    for (const char* name : {"Backspace", "q, Shift Q", ",, Shift ?", "Keypad 7", "dead acute"})
        EXPECT_EQ(TranslatedKeyName(name), name);
}

}  // namespace
}  // namespace zq
