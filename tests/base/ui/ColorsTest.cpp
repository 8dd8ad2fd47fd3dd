#include "base/ui/Colors.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

TEST(Colors, RgbValuesKeepRedInTheLowestByte) {
    EXPECT_EQ(ToQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(65280), QColor(0, 255, 0));
    EXPECT_EQ(ToQColor(16711680), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(8421504), QColor(128, 128, 128));
    EXPECT_EQ(ToQColor(65535), QColor(255, 255, 0));
    // Bits above the RGB bytes are ignored.
    EXPECT_EQ(ToQColor(0x01FF0000), QColor(0, 0, 255));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), 0x030201);
    EXPECT_EQ(FromQColor(QColor::fromHsv(0, 255, 255)), clRed);
}

TEST(Colors, ThemeColorsComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Base, QColor(250, 250, 240));
    palette.setColor(QPalette::Text, QColor(5, 5, 5));
    palette.setColor(QPalette::Highlight, QColor(0, 90, 200));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 254));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 200));
    EXPECT_EQ(ToQColor(-2147483633, palette), QColor(10, 20, 30));  // button face
    EXPECT_EQ(ToQColor(clWindow, palette), QColor(250, 250, 240));
    EXPECT_EQ(ToQColor(clWindowText, palette), QColor(5, 5, 5));
    EXPECT_EQ(ToQColor(clHighlight, palette), QColor(0, 90, 200));
    EXPECT_EQ(ToQColor(clHighlightText, palette), QColor(255, 255, 254));
    EXPECT_EQ(ToQColor(clInfoBk, palette), QColor(255, 255, 200));
    // Only the lowest byte chooses the theme colour.
    EXPECT_EQ(ToQColor(static_cast<TColor>(0xFF00000F), palette), QColor(10, 20, 30));
    // An index the desktop does not define is black.
    EXPECT_EQ(ToQColor(ToColor(static_cast<SystemColor>(25)), palette), QColor(Qt::black));
    EXPECT_EQ(ThemeColor(200, palette), QColor(Qt::black));
}

TEST(Colors, NoneIsTransparentAndDefaultIsTheCallersColor) {
    EXPECT_EQ(ToQColor(clNone).alpha(), 0);
    EXPECT_EQ(ToQColor(clDefault, QColor(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_FALSE(ToQColor(clDefault).isValid());
}

}  // namespace
}  // namespace zq
