#include "profile/ui/Fonts.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(Fonts, RecordAndWindowFontCarryTheSameAttributes) {
    const TFontRecord record{"DejaVu Sans Mono", 16, clNavy, true, false, true, false};
    const QFont font = ToQFont(record);
    EXPECT_EQ(font.family(), "DejaVu Sans Mono");
    EXPECT_EQ(font.pointSize(), 16);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(FromQFont(font, clNavy), record);
}

TEST(Fonts, EightBitNamesAndBadSizesAreHandled) {
    TFontRecord record;
    record.Name = "Caf\xE9 Sans";
    record.Size = 0;
    const QFont font = ToQFont(record);
    EXPECT_EQ(font.family(), QString::fromUtf8("Caf\xC3\xA9 Sans"));
    EXPECT_EQ(font.pointSize(), TFontRecord::kDefaultSize);
    EXPECT_EQ(FromQFont(font, 0).Name, "Caf\xE9 Sans");

    QFont pixels("Sans");
    pixels.setPixelSize(20);  // no point size known
    EXPECT_EQ(FromQFont(pixels, 0).Size, TFontRecord::kDefaultSize);
}

}  // namespace
}  // namespace zq
