#include "keyboard/ButtonType.h"

#include <utility>

#include "keyboard/KeyArea.h"
#include "keyboard/KeyGroups.h"

namespace zq {

ButtonType::ButtonType(KeyArea& owner, KeyRect rect) : owner_(owner), rect_(rect) {}

void ButtonType::SetGlyph(Bitmap picture) {
    normalGlyph_ = std::move(picture);
    highlightGlyph_ = normalGlyph_;
    InvertBitmap(highlightGlyph_);
    if (!normalGlyph_.Empty()) faceColor_ = normalGlyph_.BottomLeft();
    owner_.KeyChanged(*this);
}

void ButtonType::SetDown(bool down) {
    if (groupIndex_ == kNoKeyGroup || down == down_) return;
    if (!down && !AllowAllUp) return;
    if (down) owner_.ReleaseGroup(groupIndex_);
    down_ = down;
    owner_.KeyChanged(*this);
}

void ButtonType::PopUp() {
    if (!down_) return;
    down_ = false;
    owner_.KeyChanged(*this);
}

void ButtonType::SetHighlight(bool on) {
    if (!BlinkMode) ShowHighlightGlyph(on);
    SetDown(on);
}

void ButtonType::ShowHighlightGlyph(bool on) {
    if (showsHighlight_ == on) return;
    showsHighlight_ = on;
    owner_.KeyChanged(*this);
}

}  // namespace zq
