#include "keyboard/finger.h"

namespace zq {
namespace {
constexpr TColor kBlack = clBlack;
}

void finger::Place(int x, int base, FingerCanvas* canvas, TColor color, int length) {
    x_ = x;
    base_ = base;
    canvas_ = canvas;
    color_ = color;
    length_ = length;
}

void finger::DrawBar() {
    Bar(color_);
}

void finger::EraseBar() {
    if (BlinkMode) Bar(kBlack);
}

void finger::DrawMark() {
    if (!BlinkMode) Mark(color_);
}

void finger::EraseMark() {
    if (!BlinkMode) Mark(kBlack);
}

void finger::Bar(TColor color) {
    if (canvas_) canvas_->DrawBar(x_, base_, base_ - length_, color);
}

void finger::Mark(TColor color) {
    if (canvas_) canvas_->DrawDot(x_, base_ - length_ - kMarkGap, color);
}

}  // namespace zq
