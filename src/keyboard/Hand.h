#pragma once

#include <array>

#include "keyboard/FingerCanvas.h"
#include "keyboard/FingerSettings.h"
#include "keyboard/finger.h"

namespace zq {

// What the rules of a hands window ask of the window itself.
class HandView : public FingerCanvas {
public:
    virtual void SetClientHeight(int height) = 0;
    virtual void StartBlinkTimer() = 0;
    virtual void StopBlinkTimer() = 0;
};

// The rules of one hands window: five fingers in slots 1 (little) to 5
// (thumb), the thumb always on the side nearer the keyboard, and the finger
// pointed at, marked by a dot (steady) or by blinking.
class Hand {
public:
    static constexpr int kClientWidth = 63;
    static constexpr int kHeightAboveMiddle = 24;  // client height over the longer middle finger
    static constexpr int kBaseMargin = 10;         // from the base line to the bottom
    // Finger lengths are taken within this many pixels either side of 0: far
    // beyond any hand that fits a screen, and small enough that no sum of
    // them overflows.
    static constexpr int kMaxFingerLength = 4096;

    explicit Hand(HandView& view);

    bool IsLeft() const { return isLeft_; }
    void SetLeftHand(bool isLeft) { isLeft_ = isLeft; }

    // Copied into the fingers by BuildFingers.
    bool BlinkMode = true;

    // Sizes the window and places the fingers of this hand.
    void BuildFingers(const FingerSettings& settings);

    // Points at the finger in `slot` (1 to 5; other slots are ignored).
    void PointFinger(int slot);
    void ReleaseFinger(int slot);
    // Removes the pointing from the finger pointed at last.
    void ClearFinger();

    // Every 250 ms while a finger is pointed at: blinks the marked fingers.
    void BlinkTick();
    // Draws the whole hand on a black ground (the window's repaint).
    void PaintFingers();

    bool NoFingers() const { return noFingers_; }
    bool BlinkState() const { return blinkState_; }
    int CurrentFinger() const { return currentFinger_; }
    bool Marked(int slot) const { return IsSlot(slot) && marked_[slot - 1]; }
    int ClientHeight() const { return clientHeight_; }
    const finger& Finger(int slot) const { return fingers_[slot - 1]; }

    // The x position of a slot's bar on this hand.
    int SlotX(int slot) const;
    // The template finger number (0-9) shown in a slot of this hand.
    int FingerNumber(int slot) const;

private:
    static bool IsSlot(int slot) { return slot >= 1 && slot <= 5; }
    finger& At(int slot) { return fingers_[slot - 1]; }

    HandView& view_;
    std::array<finger, 5> fingers_{};
    std::array<bool, 5> marked_{};
    bool isLeft_ = false;
    int currentFinger_ = 0;
    bool blinkState_ = false;
    bool noFingers_ = false;
    int clientHeight_ = 0;
};

}  // namespace zq
