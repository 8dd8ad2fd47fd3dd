// The legend of a key picture, told from the cap drawn round it.
#include "keyboard/KeyLegend.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

constexpr RgbPixel kFace = 0xEBEBEB, kOutline = 0x909399, kText = 0x303030, kSpeck = 0xFFFFFF,
                   kRim = 0xE4E4E4;

// A 20 x 16 cap: face, an outline one pixel in from the edge with a light
// speck in a corner and a faint rim above its lower edge, and a "T" of
// legend, with one half-covered pixel, whose stem comes down to the rim.
Bitmap Cap(RgbPixel face, RgbPixel text, RgbPixel rim = kRim) {
    Bitmap picture(20, 16, face);
    for (int x = 1; x < 19; ++x) picture.SetPixel(x, 1, kOutline), picture.SetPixel(x, 14, kOutline);
    for (int y = 1; y < 15; ++y) picture.SetPixel(1, y, kOutline), picture.SetPixel(18, y, kOutline);
    picture.SetPixel(0, 0, kSpeck);
    for (int x = 7; x <= 12; ++x) picture.SetPixel(x, 5, text);
    for (int y = 6; y <= 12; ++y) picture.SetPixel(10, y, text);
    for (int x = 2; x < 18; ++x) picture.SetPixel(x, 13, rim);
    const auto half = [&](int shift) {
        return ((face >> shift & 0xFF) + (text >> shift & 0xFF)) / 2 << shift;
    };
    picture.SetPixel(11, 10, half(16) | half(8) | half(0));
    return picture;
}

TEST(KeyLegend, KeepsTheLegendAndDropsTheCapAroundIt) {
    const KeyLegend legend(Cap(kFace, kText), kFace);
    ASSERT_EQ(legend.Width(), 20);
    ASSERT_EQ(legend.Height(), 16);
    EXPECT_EQ(legend.Cover(7, 5), 255);
    EXPECT_EQ(legend.Cover(10, 12), 255) << "a legend touching the faint rim is still legend";
    EXPECT_GT(legend.Cover(11, 10), 60);  // anti-aliased: partly legend
    EXPECT_LT(legend.Cover(11, 10), 200);
    int covered = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) covered += legend.Cover(x, y) > 0;
    EXPECT_EQ(covered, 6 + 7 + 1) << "the outline, the rim, the speck and the face are no legend";
}

TEST(KeyLegend, ALightLegendOnADarkCapIsFoundToo) {
    constexpr RgbPixel darkFace = 0x202020, lightText = 0xF0F0F0;
    const KeyLegend legend(Cap(darkFace, lightText, 0x282828), darkFace);
    EXPECT_EQ(legend.Cover(7, 5), 255);
    EXPECT_EQ(legend.Cover(1, 1), 0);
    EXPECT_EQ(legend.Cover(4, 8), 0);
}

TEST(KeyLegend, ACapWithoutLegendCoversNothing) {
    Bitmap picture = Cap(kFace, kFace);
    const KeyLegend legend(picture, kFace);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) EXPECT_EQ(legend.Cover(x, y), 0) << x << "," << y;
}

}  // namespace
}  // namespace zq
