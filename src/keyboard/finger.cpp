#include "keyboard/finger.h"

namespace zq {
namespace {
constexpr TColor kBlack = clBlack;
}

void finger::Place(int x, int base, FingerCanvas* canvas, TColor colour, int length) {
    x_ = x;
    base_ = base;
    canvas_ = canvas;
    colour_ = colour;
    length_ = length;
}

void finger::DrawBar() {
    Bar(colour_);
}

void finger::EraseBar() {
    if (BlinkMode) Bar(kBlack);
}

void finger::DrawMark() {
    if (!BlinkMode) Mark(colour_);
}

void finger::EraseMark() {
    if (!BlinkMode) Mark(kBlack);
}

void finger::Bar(TColor colour) {
    if (canvas_) canvas_->DrawBar(x_, base_, base_ - length_, colour);
}

void finger::Mark(TColor colour) {
    if (canvas_) canvas_->DrawDot(x_, base_ - length_ - kMarkGap, colour);
}

}  // namespace zq
