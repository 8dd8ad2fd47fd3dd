#pragma once

#include <cstdint>

#include "base/Color.h"
#include "keyboard/FingerCanvas.h"

namespace zq {

// One finger of a hands window: a bar standing on the base line, as long as
// the finger, in the finger's colour. A pointed finger either blinks (its bar
// is erased and drawn in turn) or carries a dot 7 pixels above its tip.
class finger {
public:
    static constexpr int kMarkGap = 7;  // from the tip to the dot's centre

    void Place(int x, int base, FingerCanvas* canvas, TColor color, int length);

    void DrawBar();
    void EraseBar();   // blinking fingers only
    void DrawMark();   // steady fingers only
    void EraseMark();  // steady fingers only

    bool BlinkMode = true;

    int X() const { return x_; }
    int Base() const { return base_; }
    int Length() const { return length_; }
    TColor Color() const { return color_; }

private:
    void Bar(TColor color);
    void Mark(TColor color);

    int x_ = 0;
    int base_ = 0;
    int length_ = 0;
    TColor color_ = 0;
    FingerCanvas* canvas_ = nullptr;  // the window's, which outlives its fingers
};

}  // namespace zq
