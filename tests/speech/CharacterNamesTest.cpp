#include "speech/CharacterNames.h"

#include <gtest/gtest.h>

#include "SpokenLanguage.h"
#include "speech/FingerNames.h"
#include "speech/LetterAccents.h"

namespace zq {
namespace {

using testing::SpokenLanguage;

TEST(CharacterNames, PunctuationAndBlanksAreNamedAndLettersAndDigitsSayThemselves) {
    const SpokenLanguage english("C");
    EXPECT_EQ(SpokenCharacterName(U' '), "space");
    EXPECT_EQ(SpokenCharacterName(U','), "comma");
    EXPECT_EQ(SpokenCharacterName(U'.'), "period");
    EXPECT_EQ(SpokenCharacterName(U'\r'), "Enter");
    EXPECT_EQ(SpokenCharacterName(U'\t'), "tab");
    EXPECT_EQ(SpokenCharacterName(U'€'), "euro sign");
    EXPECT_EQ(SpokenCharacterName(U'«'), "left guillemet");
    EXPECT_EQ(SpokenCharacterName(U'f'), "f");
    EXPECT_EQ(SpokenCharacterName(U'7'), "7");
    EXPECT_EQ(SpokenCharacterName(U'ж'), "ж") << "a letter of another script says itself";
    EXPECT_EQ(SpokenCharacterName(U'\x1b'), "") << "a control character is not typed";
}

TEST(CharacterNames, CapitalsAndAccentsAreSaidSoThatTheLearnerKnowsTheKeys) {
    const SpokenLanguage english("C");
    EXPECT_EQ(SpokenCharacterName(U'A'), "capital A");
    EXPECT_EQ(SpokenCharacterName(U'é'), "e acute");
    EXPECT_EQ(SpokenCharacterName(U'É'), "capital E acute");
    EXPECT_EQ(SpokenCharacterName(U'ç'), "c cedilla");
    EXPECT_EQ(SpokenCharacterName(U'ü'), "u diaeresis");
    EXPECT_EQ(SpokenCharacterName(U'ñ'), "n tilde");
    EXPECT_EQ(SpokenCharacterName(U'š'), "s caron");
    EXPECT_EQ(SpokenCharacterName(U'Ł'), "capital L stroke");
    EXPECT_EQ(SpokenCharacterName(U'ß'), "sharp s");
    EXPECT_EQ(SpokenCharacterName(U'Œ'), "capital oe ligature");
}

TEST(CharacterNames, FrenchAndGermanNamesComeFromTheProgramsCatalogues) {
    {
        const SpokenLanguage french("fr");
        EXPECT_EQ(SpokenCharacterName(U' '), "espace");
        EXPECT_EQ(SpokenCharacterName(U','), "virgule");
        EXPECT_EQ(SpokenCharacterName(U'A'), "A majuscule");
        EXPECT_EQ(SpokenCharacterName(U'é'), "e accent aigu");
        EXPECT_EQ(SpokenCharacterName(U'È'), "E accent grave majuscule");
        EXPECT_EQ(SpokenFingerName(3), "index gauche");
    }
    {
        const SpokenLanguage german("de");
        EXPECT_EQ(SpokenCharacterName(U' '), "Leerzeichen");
        EXPECT_EQ(SpokenCharacterName(U','), "Komma");
        EXPECT_EQ(SpokenCharacterName(U'A'), "großes A");
        EXPECT_EQ(SpokenCharacterName(U'ä'), "a Umlaut");
        EXPECT_EQ(SpokenCharacterName(U'ß'), "Eszett");
        EXPECT_EQ(SpokenFingerName(6), "rechter Zeigefinger");
    }
}

TEST(CharacterNames, EveryAccentedLetterOfTheTableIsItsPlainLetterAndOneAccent) {
    // Every letter of Latin-1 and Latin Extended-A from À to ž that Unicode
    // composes of a plain letter and one mark, and the letters with a stroke.
    int found = 0;
    for (char32_t letter = U'À'; letter <= U'ž'; ++letter) {
        const std::optional<LetterParts> parts = PartsOfLetter(letter);
        if (!parts) continue;
        ++found;
        EXPECT_TRUE((parts->base >= 'a' && parts->base <= 'z') || (parts->base >= 'A' && parts->base <= 'Z'))
            << static_cast<unsigned>(letter);
    }
    EXPECT_GE(found, 170);
    EXPECT_EQ(PartsOfLetter(U'ő')->accent, Accent::DoubleAcute);
    EXPECT_EQ(PartsOfLetter(U'Ż')->base, 'Z');
    EXPECT_EQ(PartsOfLetter(U'ș')->accent, Accent::CommaBelow);
    EXPECT_EQ(PartsOfLetter(U'ư')->accent, Accent::Horn);
    EXPECT_FALSE(PartsOfLetter(U'×')) << "a sign between the letters is no letter";
    EXPECT_FALSE(PartsOfLetter(U'a'));
}

TEST(FingerNames, EachFingerOfTheTemplatesNumberingHasItsName) {
    const SpokenLanguage english("C");
    EXPECT_EQ(SpokenFingerName(0), "left little finger");
    EXPECT_EQ(SpokenFingerName(3), "left index finger");
    EXPECT_EQ(SpokenFingerName(4), "left thumb");
    EXPECT_EQ(SpokenFingerName(5), "right thumb");
    EXPECT_EQ(SpokenFingerName(9), "right little finger");
    EXPECT_EQ(SpokenFingerName(-1), "") << "a character without a key";
    EXPECT_EQ(SpokenFingerName(10), "");
}

}  // namespace
}  // namespace zq
