#include "keyboard/Hand.h"

#include <algorithm>

namespace zq {
namespace {
// Fingers stand 9 pixels apart; on the left hand the little finger is
// leftmost, on the right hand it is rightmost.
constexpr std::array<int, 5> kLeftX = {10, 19, 28, 37, 46};
constexpr int kLeftMiddle = 2;
constexpr int kRightMiddle = 7;
}  // namespace

Hand::Hand(HandView& view) : view_(view) {}

int Hand::SlotX(int slot) const {
    return isLeft_ ? kLeftX[slot - 1] : kLeftX[5 - slot];
}

int Hand::FingerNumber(int slot) const {
    return isLeft_ ? slot - 1 : 10 - slot;
}

void Hand::BuildFingers(const FingerSettings& settings) {
    const auto length = [&](int f) {
        return std::clamp(settings.Length[f], -kMaxFingerLength, kMaxFingerLength);
    };
    clientHeight_ = std::max(length(kLeftMiddle), length(kRightMiddle)) + kHeightAboveMiddle;
    view_.SetClientHeight(clientHeight_);
    const int base = clientHeight_ - kBaseMargin;
    noFingers_ = true;
    for (int slot = 1; slot <= 5; ++slot) {
        const int f = FingerNumber(slot);
        if (settings.Length[f] != 0) noFingers_ = false;
        At(slot).Place(SlotX(slot), base, &view_, settings.Color[f], length(f));
        At(slot).BlinkMode = BlinkMode;
    }
}

void Hand::PointFinger(int slot) {
    if (!IsSlot(slot)) return;
    for (int i = 1; i <= 5; ++i) {
        if (marked_[i - 1]) ReleaseFinger(i);
    }
    currentFinger_ = slot;
    marked_[slot - 1] = true;
    view_.StartBlinkTimer();
    At(slot).DrawMark();
}

void Hand::ReleaseFinger(int slot) {
    if (!IsSlot(slot)) return;
    marked_[slot - 1] = false;
    At(slot).DrawBar();
    At(slot).EraseMark();
}

void Hand::ClearFinger() {
    if (!IsSlot(currentFinger_)) return;
    marked_[currentFinger_ - 1] = false;
    At(currentFinger_).DrawBar();
    At(currentFinger_).EraseMark();
    view_.StopBlinkTimer();
}

void Hand::BlinkTick() {
    if (!BlinkMode) return;
    for (int slot = 1; slot <= 5; ++slot) {
        if (!marked_[slot - 1]) continue;
        if (blinkState_) {
            At(slot).DrawBar();
        } else {
            At(slot).EraseBar();
        }
    }
    blinkState_ = !blinkState_;
}

void Hand::PaintFingers() {
    for (auto& f : fingers_) f.DrawBar();
    if (Marked(currentFinger_)) At(currentFinger_).DrawMark();
}

}  // namespace zq
