#include "keyboard/BmpDecoder.h"

#include <gtest/gtest.h>

#include "GuidanceFixtures.h"
#include "base/LibraryError.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using testing::BmpBytes;
using testing::PutLe;

Bitmap Sample(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, static_cast<RgbPixel>(x * 0x010203 + y * 0x300000));
    }
    return picture;
}

// A bitmap file with an info header, the given palette and raw rows
// (already padded), bottom-up.
std::string IndexedBmp(int width, int height, int bits, const std::vector<RgbPixel>& palette,
                       const std::string& rows, std::uint32_t compression = 0) {
    const std::uint32_t dataAt = 54 + static_cast<std::uint32_t>(palette.size()) * 4;
    std::string out = "BM";
    PutLe(out, dataAt + static_cast<std::uint32_t>(rows.size()), 4);
    PutLe(out, 0, 4);
    PutLe(out, dataAt, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(bits), 2);
    PutLe(out, compression, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    PutLe(out, static_cast<std::uint32_t>(palette.size()), 4);
    PutLe(out, 0, 4);
    for (RgbPixel color : palette) PutLe(out, color, 4);
    return out + rows;
}

TEST(BmpDecoderTest, TrueColorRowsBottomUpAndTopDown) {
    const Bitmap picture = Sample(5, 3);  // 15-byte rows need padding
    EXPECT_EQ(DecodeBmp(BmpBytes(picture)), picture);
    EXPECT_EQ(DecodeBmp(BmpBytes(picture, /*topDown=*/true)), picture);
}

TEST(BmpDecoderTest, PalettePicturesOfOneFourAndEightBits) {
    // 1 bit: row 0 (stored last) is 1,0,1; row 1 is 0,0,0.
    const Bitmap one =
        DecodeBmp(IndexedBmp(3, 2, 1, {0x000000, 0xFFFFFF}, std::string("\0\0\0\0\xA0\0\0\0", 8)));
    EXPECT_EQ(one.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(one.Pixel(1, 0), 0x000000u);
    EXPECT_EQ(one.Pixel(2, 0), 0xFFFFFFu);
    EXPECT_EQ(one.Pixel(0, 1), 0x000000u);

    const Bitmap four =
        DecodeBmp(IndexedBmp(3, 1, 4, {0x111111, 0x222222, 0x333333}, std::string("\x21\x00\0\0", 4)));
    EXPECT_EQ(four.Pixel(0, 0), 0x333333u);
    EXPECT_EQ(four.Pixel(1, 0), 0x222222u);
    EXPECT_EQ(four.Pixel(2, 0), 0x111111u);

    // An index past the palette reads as black rather than past the bytes.
    const Bitmap eight = DecodeBmp(IndexedBmp(2, 1, 8, {0x123456}, std::string("\x00\x07\0\0", 4)));
    EXPECT_EQ(eight.Pixel(0, 0), 0x123456u);
    EXPECT_EQ(eight.Pixel(1, 0), 0x000000u);
}

TEST(BmpDecoderTest, ThirtyTwoAndSixteenBitPixels) {
    std::string rows;
    PutLe(rows, 0xFF102030, 4);
    EXPECT_EQ(DecodeBmp(IndexedBmp(1, 1, 32, {}, rows)).Pixel(0, 0), 0x102030u);

    std::string rgb555;
    PutLe(rgb555, 0x7C00 | 0x001F, 2);  // red and blue full
    rgb555 += std::string(2, '\0');
    EXPECT_EQ(DecodeBmp(IndexedBmp(1, 1, 16, {}, rgb555)).Pixel(0, 0), 0xFF00FFu);

    // Bit fields 5-6-5: the masks stand where an info header's palette would.
    std::string rgb565;
    PutLe(rgb565, 0x07E0, 2);  // green full
    rgb565 += std::string(2, '\0');
    EXPECT_EQ(DecodeBmp(IndexedBmp(1, 1, 16, {0xF800, 0x07E0, 0x001F}, rgb565, 3)).Pixel(0, 0), 0x00FF00u);
}

TEST(BmpDecoderTest, DamagedOrUnsupportedPicturesAreNotValid) {
    const std::string good = BmpBytes(Sample(4, 4));
    EXPECT_NO_THROW(DecodeBmp(good));
    auto fails = [](const std::string& bytes) {
        try {
            DecodeBmp(bytes);
        } catch (const LibraryError& error) {
            return std::string(error.what()) == "Bitmap image is not valid";
        }
        return false;
    };
    EXPECT_TRUE(fails(""));
    EXPECT_TRUE(fails("BM"));
    EXPECT_TRUE(fails("XY" + good.substr(2)));
    EXPECT_TRUE(fails(good.substr(0, good.size() - 1)));  // a row short
    std::string huge = good;
    huge[18] = '\xFF';  // width about 255
    huge[22] = '\xFF';
    EXPECT_TRUE(fails(huge));
    std::string twoBits = good;
    twoBits[28] = 2;
    EXPECT_TRUE(fails(twoBits));
    std::string runLength = good;
    runLength[30] = 1;
    EXPECT_TRUE(fails(runLength));
    std::string zeroWidth = good;
    zeroWidth[18] = 0;
    EXPECT_TRUE(fails(zeroWidth));
    std::string negativeWidth = good;
    negativeWidth[21] = '\x80';
    EXPECT_TRUE(fails(negativeWidth));
}

TEST(BmpDecoderTest, GlyphWithOrWithoutItsHeaderGivesTheSamePicture) {
    const std::string plain = BmpBytes(Sample(3, 3));
    std::string headed;
    PutLe(headed, 1, 2);
    PutLe(headed, 0x100, 2);
    PutLe(headed, static_cast<std::uint32_t>(plain.size()), 4);
    headed += plain;
    EXPECT_EQ(DecodeBmp(GlyphBitmapBytes(headed)), DecodeBmp(GlyphBitmapBytes(plain)));
}

TEST(InvertBitmapTest, InvertsEveryPixelAndMarksTheBottomLeftGrey) {
    Bitmap picture(2, 2, 0xFFFFFF);
    picture.SetPixel(1, 0, 0x7F7F7F);
    picture.SetPixel(1, 1, 0x123456);
    InvertBitmap(picture);
    EXPECT_EQ(picture.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(picture.Pixel(1, 0), kHighlightTransparent);
    EXPECT_EQ(picture.Pixel(1, 1), 0xEDCBA9u);
    EXPECT_EQ(picture.Pixel(0, 1), kHighlightTransparent);
}

}  // namespace
}  // namespace zq
