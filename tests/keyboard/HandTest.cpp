#include "keyboard/Hand.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zq {
namespace {

constexpr TColor kLittle = 0x0000FF;
constexpr TColor kRing = 0x00FF00;
constexpr TColor kMiddle = 0xFF0000;
constexpr TColor kIndex = 0x00FFFF;
constexpr TColor kThumb = 0xFF00FF;

// A client area of pixels on which bars and dots are drawn as a window
// would (bars 6 pixels wide, dots 6 pixels across), so that the tests can
// look at what the hand shows.
class RasterHandView : public HandView {
public:
    void SetClientHeight(int height) override {
        heightSet = height;
        pixels.assign(static_cast<size_t>(Hand::kClientWidth) * height, clBlack);
    }
    void StartBlinkTimer() override { timerRunning = true; }
    void StopBlinkTimer() override { timerRunning = false; }
    void DrawBar(int x, int bottom, int top, TColor color) override {
        lastBarBottom = bottom;
        lastBarTop = top;
        Fill(x - 3, top, x + 3, bottom, color);
    }
    void DrawDot(int x, int y, TColor color) override { Fill(x - 3, y - 3, x + 3, y + 3, color); }

    TColor At(int x, int y) const { return pixels.at(static_cast<size_t>(y) * Hand::kClientWidth + x); }
    void Clear() { std::fill(pixels.begin(), pixels.end(), clBlack); }

    int heightSet = -1;
    int lastBarBottom = 0;
    int lastBarTop = 0;
    bool timerRunning = false;
    std::vector<TColor> pixels;

private:
    void Fill(int left, int top, int right, int bottom, TColor color) {
        for (int y = std::max(top, 0); y < bottom && y < heightSet; ++y) {
            for (int x = std::max(left, 0); x < right && x < Hand::kClientWidth; ++x) {
                pixels[static_cast<size_t>(y) * Hand::kClientWidth + x] = color;
            }
        }
    }
};

FingerSettings Settings() {
    FingerSettings s;
    s.Length = {50, 55, 60, 55, 30, 30, 55, 70, 55, 40};
    s.Color = {kLittle, kRing, kMiddle, kIndex, kThumb, kThumb, kIndex, kMiddle, kRing, kLittle};
    return s;
}

class HandTest : public ::testing::Test {
protected:
    void Build(bool isLeft, bool blinking, const FingerSettings& settings = Settings()) {
        hand.SetLeftHand(isLeft);
        hand.BlinkMode = blinking;
        hand.BuildFingers(settings);
        hand.PaintFingers();
    }
    // The colour at a finger's dot position, and half-way up its bar.
    TColor DotOf(int slot) const {
        const finger& f = hand.Finger(slot);
        return view.At(f.X(), f.Base() - f.Length() - finger::kMarkGap);
    }
    TColor BarOf(int slot) const {
        const finger& f = hand.Finger(slot);
        return view.At(f.X(), f.Base() - f.Length() / 2);
    }

    RasterHandView view;
    Hand hand{view};
};

TEST_F(HandTest, HeightComesFromTheLongerMiddleFingerAndBarsStandOnTheBase) {
    Build(/*isLeft=*/true, /*blinking=*/false);
    EXPECT_EQ(view.heightSet, 94);
    EXPECT_EQ(hand.Finger(1).Base(), 84);
    // The left little finger, 50 long: a bar from y 84 up to y 34 at x 10.
    EXPECT_EQ(view.At(10, 83), kLittle);
    EXPECT_EQ(view.At(10, 34), kLittle);
    EXPECT_EQ(view.At(10, 33), clBlack);
    EXPECT_EQ(view.At(10, 84), clBlack);
    EXPECT_EQ(view.At(7, 60), kLittle);
    EXPECT_EQ(view.At(12, 60), kLittle);
    EXPECT_EQ(view.At(13, 60), clBlack);
}

TEST_F(HandTest, SlotsRunFromLittleFingerToThumbTowardsTheKeyboard) {
    Build(true, false);
    std::vector<int> xs;
    for (int slot = 1; slot <= 5; ++slot) xs.push_back(hand.Finger(slot).X());
    EXPECT_THAT(xs, ::testing::ElementsAre(10, 19, 28, 37, 46));
    EXPECT_EQ(hand.Finger(3).Color(), kMiddle);
    EXPECT_EQ(hand.Finger(3).Length(), 60);

    Build(false, false);
    xs.clear();
    for (int slot = 1; slot <= 5; ++slot) xs.push_back(hand.Finger(slot).X());
    EXPECT_THAT(xs, ::testing::ElementsAre(46, 37, 28, 19, 10));
    EXPECT_EQ(hand.Finger(1).Length(), 40);  // "RLittle"
    EXPECT_EQ(hand.Finger(3).Length(), 70);  // "RMiddle"
    EXPECT_EQ(view.heightSet, 94);
}

// Lengths near the 32-bit limits, which no real template uses, must not
// overflow: the window stays taller than its fingers' base line, and a
// negative length still reaches down from the base.
TEST_F(HandTest, LengthsAtTheLimitsOfTheNumbers) {
    FingerSettings settings = Settings();
    settings.Length[2] = std::numeric_limits<std::int32_t>::max();  // left middle: the height
    settings.Length[0] = std::numeric_limits<std::int32_t>::min();  // left little
    Build(/*isLeft=*/true, /*blinking=*/false, settings);
    EXPECT_GT(view.heightSet, hand.Finger(1).Base());
    EXPECT_GT(hand.Finger(1).Base(), 0);
    hand.PointFinger(1);
    hand.ClearFinger();  // draws the little finger's bar again
    EXPECT_EQ(view.lastBarBottom, hand.Finger(1).Base());
    EXPECT_GT(view.lastBarTop, view.lastBarBottom);
}

TEST_F(HandTest, HandWithoutLengthsHasNoFingers) {
    FingerSettings settings = Settings();
    for (int f = 5; f <= 9; ++f) settings.Length[f] = 0;
    Build(false, false, settings);
    EXPECT_TRUE(hand.NoFingers());
    Build(true, false, settings);
    EXPECT_FALSE(hand.NoFingers());
    EXPECT_EQ(view.heightSet, 84);  // "LMiddle" 60, "RMiddle" 0
}

TEST_F(HandTest, SteadyPointingMovesTheDotAndClearingRemovesIt) {
    Build(true, false);
    hand.ClearFinger();  // before any pointing: nothing happens
    EXPECT_EQ(hand.CurrentFinger(), 0);

    hand.PointFinger(3);
    EXPECT_EQ(DotOf(3), kMiddle);
    EXPECT_TRUE(view.timerRunning);
    hand.PointFinger(5);
    EXPECT_EQ(DotOf(3), clBlack);
    EXPECT_EQ(DotOf(5), kThumb);
    EXPECT_FALSE(hand.Marked(3));

    hand.PointFinger(0);
    hand.PointFinger(6);
    EXPECT_EQ(hand.CurrentFinger(), 5);
    EXPECT_EQ(DotOf(5), kThumb);

    hand.ClearFinger();
    EXPECT_EQ(DotOf(5), clBlack);
    EXPECT_EQ(BarOf(5), kThumb);
    EXPECT_FALSE(view.timerRunning);
    EXPECT_EQ(hand.CurrentFinger(), 5);
    view.Clear();
    hand.PaintFingers();  // a later repaint draws no dot
    EXPECT_EQ(DotOf(5), clBlack);
    EXPECT_EQ(BarOf(5), kThumb);
}

TEST_F(HandTest, RepaintDrawsTheDotOfThePointedFinger) {
    Build(true, false);
    hand.PointFinger(2);
    view.Clear();
    hand.PaintFingers();
    EXPECT_EQ(DotOf(2), kRing);
    for (int slot = 1; slot <= 5; ++slot) EXPECT_NE(BarOf(slot), clBlack) << slot;
}

TEST_F(HandTest, BlinkingBlanksThePointedFingerAtTheFirstTickAndGoesOnFromThere) {
    Build(true, true);
    hand.PointFinger(2);
    EXPECT_EQ(DotOf(2), clBlack);  // blinking fingers carry no dot
    std::vector<bool> shown;
    for (int tick = 0; tick < 3; ++tick) {
        hand.BlinkTick();
        shown.push_back(BarOf(2) == kRing);
    }
    EXPECT_THAT(shown, ::testing::ElementsAre(false, true, false));
    EXPECT_TRUE(hand.BlinkState());

    view.Clear();
    hand.PaintFingers();  // a repaint meanwhile draws all five bars
    for (int slot = 1; slot <= 5; ++slot) EXPECT_NE(BarOf(slot), clBlack) << slot;

    // The next pointing goes on from the state reached: drawn, then blank.
    hand.PointFinger(4);
    EXPECT_EQ(BarOf(2), kRing);
    hand.BlinkTick();
    EXPECT_EQ(BarOf(4), kIndex);
    hand.BlinkTick();
    EXPECT_EQ(BarOf(4), clBlack);

    hand.ClearFinger();  // stops the blinking with the finger drawn
    EXPECT_EQ(BarOf(4), kIndex);
    EXPECT_FALSE(view.timerRunning);
    hand.BlinkTick();  // no finger is marked any more
    EXPECT_EQ(BarOf(4), kIndex);
}

TEST_F(HandTest, SteadyHandIgnoresBlinkTicks) {
    Build(true, false);
    hand.PointFinger(1);
    hand.BlinkTick();
    hand.BlinkTick();
    EXPECT_EQ(BarOf(1), kLittle);
    EXPECT_EQ(DotOf(1), kLittle);
    EXPECT_FALSE(hand.BlinkState());
}

}  // namespace
}  // namespace zq
