// Key caps drawn with Qt for the templates the program makes.
#include "templates/ui/KeyCapPainter.h"

#include <gtest/gtest.h>

#include <QImage>

namespace zq {
namespace {

QImage Decoded(const std::string& bmp) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bmp.data()), static_cast<int>(bmp.size()), "BMP");
    return image;
}

TEST(KeyCapPainter, DrawsA24BitBitmapOfTheKeysSizeWithTheFaceInItsCorners) {
    KeyCapPainter painter;
    const std::string bmp = painter.Draw("Q", 36, 40);
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp[28], 24);  // bits per pixel
    const QImage image = Decoded(bmp);
    ASSERT_EQ(image.size(), QSize(36, 40));
    const QRgb face = image.pixel(0, 39);
    for (const QPoint corner : {QPoint(0, 0), QPoint(35, 0), QPoint(35, 39)})
        EXPECT_EQ(image.pixel(corner), face);
    EXPECT_GT(qRed(face), 0xE0);          // a light face
    EXPECT_NE(image.pixel(1, 20), face);  // the outline
}

TEST(KeyCapPainter, TheLabelIsDrawnAndTheSameKeyGivesTheSameBytes) {
    KeyCapPainter painter;
    const std::string blank = painter.Draw("", 36, 36);
    const std::string twoLines = painter.Draw("!\n1", 36, 36);
    EXPECT_NE(twoLines, blank);
    EXPECT_NE(twoLines, painter.Draw("\"\n2", 36, 36));
    EXPECT_EQ(twoLines, painter.Draw("!\n1", 36, 36));
}

}  // namespace
}  // namespace zq
