#include "adaptive/RecentStrokes.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

KeyTally Line(std::int64_t typed, std::int64_t wrong = 0, std::int64_t timeMs = 0) {
    return {.character = U'a', .typed = typed, .wrong = wrong, .timedKeys = typed - wrong, .timeMs = timeMs};
}

TEST(RecentStrokesTest, ReadingBackwardsStopsOnceTheLastThirtyStrokesAreIn) {
    RecentStrokes strokes;
    strokes.AddOlder(Line(12, 1));
    EXPECT_FALSE(strokes.Enough());
    strokes.AddOlder(Line(12, 0));
    strokes.AddOlder(Line(12, 3));  // the 25th to 36th stroke back: whole lines count
    strokes.AddOlder(Line(12, 12));
    const KeyTally figures = strokes.Figures();
    EXPECT_EQ(figures.typed, 36);
    EXPECT_EQ(figures.wrong, 4) << "the fourth line lies beyond the last thirty strokes";
    EXPECT_TRUE(strokes.Enough());
}

TEST(RecentStrokesTest, ANewLinePushesOutTheLinesNoLongerNeeded) {
    RecentStrokes strokes;
    strokes.AddNewest(Line(20, 5, 4000));
    strokes.AddNewest(Line(8, 0, 1600));
    EXPECT_EQ(strokes.Figures().typed, 28);
    strokes.AddNewest(Line(10, 1, 2000));
    EXPECT_EQ(strokes.Figures().typed, 38) << "the oldest line is still needed for thirty strokes";
    strokes.AddNewest(Line(30, 0, 6000));
    const KeyTally figures = strokes.Figures();
    EXPECT_EQ(figures.typed, 30);
    EXPECT_EQ(figures.wrong, 0);
    EXPECT_EQ(figures.timeMs, 6000);
}

TEST(RecentStrokesTest, LinesWithoutTheKeyChangeNothing) {
    RecentStrokes strokes;
    strokes.AddNewest(Line(5, 1));
    strokes.AddNewest(Line(0));
    strokes.AddOlder(Line(0));
    EXPECT_EQ(strokes.Figures().typed, 5);
    EXPECT_EQ(strokes.Figures().wrong, 1);
}

}  // namespace
}  // namespace zq
