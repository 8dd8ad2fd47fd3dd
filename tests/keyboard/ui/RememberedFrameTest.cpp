// Where a guidance window lands while its window manager frames it anew:
// between being shown and being framed, Qt reports no frame at all.
#include <gtest/gtest.h>

#include "keyboard/ui/RememberedFrame.h"

namespace zq {
namespace {

// A window of 827 by 251 pixels at (227, 403), with a title bar of 20
// pixels and borders of 1 around it, as openbox frames it.
const QRect kWindow(227, 403, 827, 251);
const QRect kFramed = kWindow.marginsAdded(QMargins(1, 20, 1, 1));

TEST(RememberedFrame, AFrameQtReportsIsTheFrameAndAMoveGoesToItsCorner) {
    RememberedFrame frame;
    EXPECT_EQ(frame.FrameAround(kWindow, kFramed), kFramed);
    EXPECT_EQ(frame.MovePoint(QPoint(100, 500), kWindow, kFramed), QPoint(100, 500));
}

TEST(RememberedFrame, WhileTheFrameIsUnknownTheLastOneSeenStandsInSoThatTheTitleBarLandsWhereAsked) {
    RememberedFrame frame;
    frame.FrameAround(kWindow, kFramed);

    // Shown again and not yet framed: Qt takes the window for its frame.
    const QRect shown(226, 382, 827, 251);
    EXPECT_EQ(frame.FrameAround(shown, shown), shown.marginsAdded(QMargins(1, 20, 1, 1)));
    // Qt puts the window itself at the point it is given: the point is the
    // window's place inside the frame asked for, title bar included.
    EXPECT_EQ(frame.MovePoint(QPoint(226, 383), shown, shown), QPoint(227, 403));

    // Framed again, Qt's own frame counts once more.
    const QRect thinner = kWindow.marginsAdded(QMargins(2, 24, 2, 2));
    EXPECT_EQ(frame.FrameAround(kWindow, thinner), thinner);
    EXPECT_EQ(frame.MovePoint(QPoint(0, 0), kWindow, thinner), QPoint(0, 0));
}

TEST(RememberedFrame, AWindowThatWasNeverFramedIsPlacedByItsOwnCorner) {
    RememberedFrame frame;
    EXPECT_EQ(frame.FrameAround(kWindow, kWindow), kWindow);
    EXPECT_EQ(frame.MovePoint(QPoint(5, 6), kWindow, kWindow), QPoint(5, 6));
}

}  // namespace
}  // namespace zq
