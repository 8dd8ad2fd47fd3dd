#include "keyboard/ui/GuidanceAdapters.h"

#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {

namespace {
// A guidance window held inside the drill window (Wayland) has no frame of
// its own and takes no room beside it: the drill window's layout places it.
DrillRect RectOf(const QWidget& window) {
    if (!window.isWindow()) return {};
    const QRect frame = window.frameGeometry();
    return {frame.left(), frame.top(), frame.width(), frame.height()};
}

void MoveWindow(QWidget& window, int left, int top) {
    if (window.isWindow()) window.move(left, top);
}
}  // namespace

int KeyboardWindowGuide::HighlightKey(unsigned char ch) {
    return keyboard_.HighlightKey(ch);
}
DrillRect KeyboardWindowGuide::Frame() const {
    return RectOf(keyboard_);
}
void KeyboardWindowGuide::MoveTo(int left, int top) {
    MoveWindow(keyboard_, left, top);
}
void KeyboardWindowGuide::Show() {
    // A keyboard without keys (no template could be read) is no guidance.
    if (!keyboard_.Keyboard().KbFrame().Keys().empty()) keyboard_.show();
}
void KeyboardWindowGuide::Hide() {
    keyboard_.hide();
}

void HandsWindowGuide::PointFinger(int slot) {
    hands_.PointFinger(slot);
}
void HandsWindowGuide::ClearFinger() {
    hands_.ClearFinger();
}
void HandsWindowGuide::ShowHands() {
    hands_.ShowHands();
}
void HandsWindowGuide::Hide() {
    hands_.hide();
}
DrillRect HandsWindowGuide::Frame() const {
    return RectOf(hands_);
}
void HandsWindowGuide::MoveTo(int left, int top) {
    MoveWindow(hands_, left, top);
}

}  // namespace zq
