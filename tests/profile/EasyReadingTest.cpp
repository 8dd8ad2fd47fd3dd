#include "profile/EasyReading.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

const TFontRecord kSmallBlueFont{"Mono", 10, Rgb(0, 0, 128), true, false, false, false};

TEST(EasyReading, OffLeavesTheProfilesFontsAndColoursAsTheyAre) {
    const EasyReading off(false);
    EXPECT_EQ(off.Font(kSmallBlueFont), kSmallBlueFont);
    EXPECT_FALSE(off.Palette().has_value());
    EXPECT_EQ(off.GuidanceScale(), 1.0);
}

TEST(EasyReading, OnRaisesSmallFontsToLargePrintAndKeepsLargerOnes) {
    const EasyReading on(true);
    const TFontRecord large = on.Font(kSmallBlueFont);
    EXPECT_GE(large.Size, 24);
    EXPECT_EQ(large.Name, "Mono") << "the learner's family stays";
    EXPECT_TRUE(large.Bold) << "and so does the style";

    TFontRecord huge = kSmallBlueFont;
    huge.Size = 40;
    EXPECT_EQ(on.Font(huge).Size, 40) << "a font larger than large print is not made smaller";
}

TEST(EasyReading, OnWritesTheTextInThePalettesColour) {
    const EasyReading on(true);
    ASSERT_TRUE(on.Palette().has_value());
    EXPECT_EQ(on.Font(kSmallBlueFont).Color, on.Palette()->text)
        << "dark blue on the dark ground would not be read";
}

TEST(EasyReading, OnDrawsTheKeyboardAndHandsLarger) {
    EXPECT_GE(EasyReading(true).GuidanceScale(), 1.5);
}

TEST(EasyReading, EveryTextOfThePaletteStandsOutFromItsGround) {
    const ContrastPalette palette = *EasyReading(true).Palette();
    EXPECT_GE(ContrastRatio(palette.text, palette.background), 7.0);
    EXPECT_GE(ContrastRatio(palette.wrongText, palette.background), 7.0);
    EXPECT_GE(ContrastRatio(palette.highlightText, palette.highlightBackground), 7.0);
    EXPECT_NE(palette.wrongText, palette.text) << "a wrong character must look unlike a right one";
    EXPECT_GE(ContrastRatio(palette.highlightBackground, palette.background), 7.0)
        << "the next key or finger must stand out from the others";
}

TEST(HasReadableFont, FindsTheFamilyWhateverItsCase) {
    EXPECT_TRUE(HasReadableFont({"DejaVu Sans", "OpenDyslexic", "Noto Serif"}));
    EXPECT_TRUE(HasReadableFont({"opendyslexic"}));
}

TEST(HasReadableFont, AnswersNoWhenTheFontIsNotInstalled) {
    EXPECT_FALSE(HasReadableFont({}));
    EXPECT_FALSE(HasReadableFont({"DejaVu Sans", "Liberation Mono"}));
    EXPECT_FALSE(HasReadableFont({"OpenDyslexicMono", "OpenDyslexicAlta"}))
        << "the cousins are other fonts, not the one proposed";
}

}  // namespace
}  // namespace zq
