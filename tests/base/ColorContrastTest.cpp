// How strongly two colours stand apart, and the ink that reads on a colour.
#include "base/ColorContrast.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(ContrastRatio, RunsFromOneForEqualBrightnessToTwentyOneForBlackAndWhite) {
    EXPECT_DOUBLE_EQ(ContrastRatio(clBlack, clWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(clWhite, clBlack), 21.0) << "the order of the colours does not matter";
    EXPECT_DOUBLE_EQ(ContrastRatio(clRed, clRed), 1.0);
    // Mid grey on white is a known 3.95 : 1, too little for poor sight.
    EXPECT_NEAR(ContrastRatio(Rgb(128, 128, 128), clWhite), 3.95, 0.01);
    // Pure red on black: its green and blue give no light.
    EXPECT_NEAR(ContrastRatio(clRed, clBlack), 5.25, 0.01);
}

// Every grey and every fully saturated mix: the ink chosen is the better
// of black and white and reads at 4.5 or more.
TEST(ReadableInkOn, BlackOrWhiteReadsOnEveryColour) {
    for (int red = 0; red <= 255; red += 15)
        for (int green = 0; green <= 255; green += 15)
            for (int blue = 0; blue <= 255; blue += 15) {
                const TColor ground = Rgb(red, green, blue);
                const TColor ink = ReadableInkOn(ground);
                ASSERT_TRUE(ink == clBlack || ink == clWhite);
                const TColor other = ink == clBlack ? clWhite : clBlack;
                EXPECT_GE(ContrastRatio(ink, ground), 4.5) << red << " " << green << " " << blue;
                EXPECT_GE(ContrastRatio(ink, ground), ContrastRatio(other, ground));
            }
    EXPECT_EQ(ReadableInkOn(Rgb(220, 50, 40)), clWhite);  // the heat map's red
    EXPECT_EQ(ReadableInkOn(Rgb(60, 180, 75)), clBlack);  // its green
}

}  // namespace
}  // namespace zq
