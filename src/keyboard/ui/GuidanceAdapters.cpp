#include "keyboard/ui/GuidanceAdapters.h"

#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {

namespace {
// A guidance window held inside the drill window (Wayland) has no frame of
// its own and takes no room beside it: the drill window's layout places it.
DrillRect RectOf(const QWidget& window, RememberedFrame& frame) {
    if (!window.isWindow()) return {};
    const QRect rect = frame.FrameAround(window.geometry(), window.frameGeometry());
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

void MoveWindow(QWidget& window, RememberedFrame& frame, int left, int top) {
    if (!window.isWindow()) return;
    window.move(frame.MovePoint(QPoint(left, top), window.geometry(), window.frameGeometry()));
}
}  // namespace

int KeyboardWindowGuide::HighlightKey(unsigned char ch) {
    return keyboard_.HighlightKey(ch);
}
DrillRect KeyboardWindowGuide::Frame() const {
    return RectOf(keyboard_, frame_);
}
void KeyboardWindowGuide::MoveTo(int left, int top) {
    MoveWindow(keyboard_, frame_, left, top);
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
    return RectOf(hands_, frame_);
}
void HandsWindowGuide::MoveTo(int left, int top) {
    MoveWindow(hands_, frame_, left, top);
}

}  // namespace zq
