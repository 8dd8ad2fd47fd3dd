#pragma once

#include "keyboard/GuidanceViews.h"
#include "keyboard/ui/RememberedFrame.h"

namespace zq {

class TVKeyboard;
class TPalmForm;

// The on-screen keyboard window as the drills drive it.
class KeyboardWindowGuide : public KeyboardGuide {
public:
    explicit KeyboardWindowGuide(TVKeyboard& keyboard) : keyboard_(keyboard) {}

    int HighlightKey(unsigned char ch) override;
    DrillRect Frame() const override;
    void MoveTo(int left, int top) override;
    void Show() override;
    void Hide() override;

private:
    TVKeyboard& keyboard_;
    mutable RememberedFrame frame_;
};

// A hands window as the drills drive it.
class HandsWindowGuide : public HandGuide {
public:
    explicit HandsWindowGuide(TPalmForm& hands) : hands_(hands) {}

    void PointFinger(int slot) override;
    void ClearFinger() override;
    void ShowHands() override;
    void Hide() override;
    DrillRect Frame() const override;
    void MoveTo(int left, int top) override;

private:
    TPalmForm& hands_;
    mutable RememberedFrame frame_;
};

}  // namespace zq
