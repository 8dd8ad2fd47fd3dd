#include "drills/GuidancePlacement.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drills/TFmLinePractice.h"

namespace zq {
namespace {

// Frames as the English keyboard's windows have them under a window manager
// (title bars included), in the logical pixels that scale with the screen.
constexpr int kDrillHeight = 245;
constexpr DrillRect kKeyboard{0, 0, 829, 276};
constexpr DrillRect kHand{0, 0, 65, 107};

int Right(const DrillRect& r) {
    return r.left + r.width;
}
int Bottom(const DrillRect& r) {
    return r.top + r.height;
}
bool Overlap(const DrillRect& a, const DrillRect& b) {
    return a.left < Right(b) && b.left < Right(a) && a.top < Bottom(b) && b.top < Bottom(a);
}

GuidanceFrames WindowsOn(const DrillRect& screen) {
    DrillRect drill = ArrangedDrillFrame(screen);
    drill.height = kDrillHeight;
    return {drill, kKeyboard, kHand, kHand};
}

// A 1280-pixel screen at a scale factor of 1.5 is 853 logical pixels wide:
// the keyboard and both hands (969 together) cannot stand side by side.
TEST(GuidancePlacement, HandsThatDoNotFitBesideTheKeyboardStayOnTheScreen) {
    const DrillRect screen{0, 0, 853, 683};
    const GuidanceFrames placed = PlaceGuidanceWindows(screen, WindowsOn(screen));
    EXPECT_EQ(placed.leftHand.left, 0);
    EXPECT_EQ(Right(placed.rightHand), 853);
    EXPECT_EQ(Bottom(placed.leftHand), Bottom(placed.keyboard));
    EXPECT_EQ(placed.keyboard.left, placed.drill.left + (placed.drill.width - 829) / 2);
}

TEST(GuidancePlacement, MissingWindowsTakeNoRoom) {
    const DrillRect screen{0, 0, 1024, 768};
    GuidanceFrames windows = WindowsOn(screen);
    windows.leftHand = windows.rightHand = {};
    const GuidanceFrames placed = PlaceGuidanceWindows(screen, windows);
    EXPECT_EQ(placed.keyboard.left, windows.drill.left + (windows.drill.width - 829) / 2);
    EXPECT_EQ(placed.keyboard.top, Bottom(windows.drill) + 10);
}

// Screens from 1024 x 768 to 3840 x 2160 at scale factors 1, 1.5 and 2, some
// side by side with another screen: every window lies wholly on its screen
// whenever it is not larger than the screen, nothing covers the drill window
// or a title bar when everything fits, and the hands never cover the
// keyboard when they fit beside it.
TEST(GuidancePlacement, EveryWindowStaysOnTheScreen) {
    const DrillRect sizes[] = {{0, 0, 1024, 768},  {0, 0, 1280, 1024}, {0, 0, 1366, 768},
                               {0, 0, 1920, 1080}, {0, 0, 2560, 1440}, {0, 0, 3840, 2160}};
    for (const DrillRect& size : sizes) {
        for (const double scale : {1.0, 1.5, 2.0}) {
            for (const int screenLeft : {0, 1920}) {
                const DrillRect screen{static_cast<int>(std::lround(screenLeft / scale)), 0,
                                       static_cast<int>(size.width / scale),
                                       static_cast<int>(size.height / scale)};
                SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " at " << scale
                                                << ", screen left " << screen.left);
                const GuidanceFrames placed = PlaceGuidanceWindows(screen, WindowsOn(screen));
                for (const DrillRect* r :
                     {&placed.drill, &placed.keyboard, &placed.leftHand, &placed.rightHand}) {
                    if (r->width <= screen.width) {
                        EXPECT_GE(r->left, screen.left);
                        EXPECT_LE(Right(*r), Right(screen));
                    } else {
                        EXPECT_EQ(r->left, screen.left);
                    }
                    if (r->height <= screen.height) {
                        EXPECT_GE(r->top, screen.top);
                        EXPECT_LE(Bottom(*r), Bottom(screen));
                    }
                }
                const bool heightFits = kDrillHeight + 10 + kKeyboard.height <= screen.height;
                if (heightFits) {
                    EXPECT_GE(placed.keyboard.top, Bottom(placed.drill) + 10);
                    EXPECT_FALSE(Overlap(placed.leftHand, placed.drill));
                    EXPECT_FALSE(Overlap(placed.rightHand, placed.drill));
                }
                const bool rowFits = kKeyboard.width + 2 * (kHand.width + 5) <= screen.width;
                if (rowFits) {
                    EXPECT_FALSE(Overlap(placed.leftHand, placed.keyboard));
                    EXPECT_FALSE(Overlap(placed.rightHand, placed.keyboard));
                    EXPECT_EQ(placed.leftHand.top, placed.keyboard.top);
                }
            }
        }
    }
}

}  // namespace
}  // namespace zq
