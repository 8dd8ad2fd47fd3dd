#include "keyboard/ui/GuidanceAdapters.h"

#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {

namespace {
DrillRect RectOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    return {frame.left(), frame.top(), frame.width(), frame.height()};
}
}  // namespace

int KeyboardWindowGuide::HighlightKey(unsigned char ch) {
    return keyboard_.HighlightKey(ch);
}
DrillRect KeyboardWindowGuide::Frame() const {
    return RectOf(keyboard_);
}
void KeyboardWindowGuide::MoveTo(int left, int top) {
    keyboard_.move(left, top);
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
    hands_.move(left, top);
}

}  // namespace zq
