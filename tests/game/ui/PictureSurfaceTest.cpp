#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>

#include "base/ui/Colors.h"
#include "game/ui/PictureSurface.h"

namespace zq {
namespace {

constexpr TColor kBack = clNavy;

class PictureSurfaceTest : public ::testing::Test {
protected:
    PictureSurfaceTest() { surface.Reset(QSize(100, 60), 1, kBack, QGuiApplication::palette()); }

    QRgb At(int x, int y) const { return surface.Picture().pixel(x, y); }
    int CountOf(QRgb color, const QRect& area) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) count += At(x, y) == color;
        return count;
    }

    PictureSurface surface;
    const QRgb back = ToQColor(kBack).rgb();
};

TEST_F(PictureSurfaceTest, AnExclusiveOrRectangleDrawnTwiceRestoresThePixels) {
    surface.FillRect(GameRect{20, 25, 40, 40}, clOlive);
    const QImage before = surface.Picture().copy();
    // A bullet: 4 by 8 with a pen 3 wide, centred on its edges, so 6 by 10.
    const GamePen pen{clBlue, 3, PenMode::Xor};
    surface.DrawRect(GameRect{18, 20, 22, 28}, pen, kBack);
    const QRgb blueBits = 0x0000FF;
    EXPECT_EQ(At(17, 19), back ^ blueBits) << "the pen's pixels combined with the background";
    EXPECT_EQ(At(22, 19), back ^ blueBits);
    EXPECT_EQ(At(17, 18), back) << "outside the outline";
    EXPECT_EQ(At(23, 19), back);
    EXPECT_EQ(At(16, 25), back);
    EXPECT_EQ(At(21, 26), ToQColor(clOlive).rgb() ^ blueBits) << "over a brick";
    surface.DrawRect(GameRect{18, 20, 22, 28}, pen, kBack);
    EXPECT_EQ(surface.Picture(), before);

    // A wide rectangle also has an inside, filled with the fill colour.
    surface.DrawRect(GameRect{40, 10, 60, 30}, GamePen{clRed, 1, PenMode::Replace}, clLime);
    EXPECT_EQ(At(40, 10), ToQColor(clRed).rgb());
    EXPECT_EQ(At(59, 29), ToQColor(clRed).rgb());
    EXPECT_EQ(At(50, 20), ToQColor(clLime).rgb());
    EXPECT_EQ(At(60, 20), back);
}

TEST_F(PictureSurfaceTest, ACharacterPaintsItsWholeCellAndIsClippedAtTheEdges) {
    const GameFont font{"DejaVu Sans Mono", 12, clWhite, FontStyle{true, false, false, false}};
    surface.DrawChar(5, 5, U'W', font, clBlack);
    const QFontMetrics metrics(ToQFont(font));
    const QRect charCell(5, 5, metrics.horizontalAdvance(QChar(u'W')), metrics.height());
    EXPECT_GE(charCell.width(), 8);
    EXPECT_GE(charCell.height(), 14);
    EXPECT_TRUE(surface.TakeChanges().contains(charCell));
    const int white = CountOf(qRgb(255, 255, 255), charCell);
    const int black = CountOf(qRgb(0, 0, 0), charCell);
    EXPECT_GT(white, 10);
    EXPECT_GT(black, white) << "the cell's background";
    EXPECT_EQ(CountOf(back, charCell), 0) << "nothing of the picture shows through the cell";
    EXPECT_EQ(At(4, 5), back);

    // Off the edges: only what is inside the picture is drawn.
    surface.DrawChar(40, 30, U'M', font, clBlack);
    surface.DrawChar(-5, -8, U'M', font, clBlack);
    surface.DrawChar(95, 55, U'M', font, clBlack);
    const QSize inside = charCell.size() - QSize(5, 8);
    EXPECT_EQ(surface.Picture().copy(QRect(QPoint(0, 0), inside)),
              surface.Picture().copy(QRect(QPoint(45, 38), inside)));
    EXPECT_EQ(surface.Picture().copy(95, 55, 5, 5), surface.Picture().copy(40, 30, 5, 5));
}

TEST_F(PictureSurfaceTest, TheChangesAreCollectedUntilTaken) {
    surface.TakeChanges();
    EXPECT_TRUE(surface.TakeChanges().isEmpty());
    surface.FillRect(GameRect{0, 50, 10, 60}, clOlive);
    surface.FillRect(GameRect{80, 0, 90, 10}, clOlive);
    surface.FillRect(GameRect{85, 5, 95, 20}, clOlive);
    // Rounded out to tiles of 32 by 16 pixels, and clipped to the picture.
    const QRegion changed = surface.TakeChanges();
    EXPECT_TRUE(changed.xored(QRegion(0, 48, 32, 12) + QRegion(64, 0, 32, 32)).isEmpty());
    EXPECT_TRUE(surface.TakeChanges().isEmpty());
}

TEST_F(PictureSurfaceTest, AtTwiceTheScaleEveryPixelIsFourDevicePixels) {
    surface.Reset(QSize(50, 30), 2, kBack, QGuiApplication::palette());
    EXPECT_EQ(surface.Picture().size(), QSize(100, 60));
    EXPECT_EQ(surface.Height(), 30);
    surface.FillRect(GameRect{10, 10, 11, 11}, clRed);
    EXPECT_EQ(CountOf(ToQColor(clRed).rgb(), surface.Picture().rect()), 4);
    EXPECT_EQ(At(20, 20), ToQColor(clRed).rgb());
    EXPECT_EQ(At(21, 21), ToQColor(clRed).rgb());
    EXPECT_EQ(surface.TakeChanges().boundingRect(), QRect(0, 0, 50, 30));
}

TEST_F(PictureSurfaceTest, ThemeColorsComeFromThePalette) {
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    surface.Reset(QSize(10, 10), 1, clBtnFace, palette);
    EXPECT_EQ(At(5, 5), qRgb(1, 2, 3));
    surface.FillRect(GameRect{0, 0, 10, 10}, clNone);  // no colour: nothing painted
    EXPECT_EQ(At(5, 5), qRgb(1, 2, 3));
}

}  // namespace
}  // namespace zq
