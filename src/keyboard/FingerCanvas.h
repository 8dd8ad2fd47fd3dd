#pragma once

#include <cstdint>

#include "base/Color.h"

namespace zq {

// What a finger of a hands window draws on: a black ground with vertical
// bars and marking dots. Colours are template colours (red in the low byte);
// black erases.
class FingerCanvas {
public:
    virtual ~FingerCanvas() = default;

    // A bar 6 pixels wide centred on x, from y `bottom` up to y `top`.
    virtual void DrawBar(int x, int bottom, int top, TColor color) = 0;
    // A filled round dot about 6 pixels across centred on (x, y).
    virtual void DrawDot(int x, int y, TColor color) = 0;
};

}  // namespace zq
