#include "keyboard/KeyTyping.h"

#include <xkbcommon/xkbcommon-keysyms.h>

namespace zq {
namespace {

// The lock keys change the desktop's locks as they go down: the locks of
// such a press are not yet what the keys after it find.
bool IsLockKey(std::uint32_t keysym) {
    return keysym == XKB_KEY_Caps_Lock || keysym == XKB_KEY_Num_Lock;
}

std::u32string OwnText(const LayoutKeyReader::Key& key) {
    return key.character != 0 ? std::u32string(1, key.character) : std::u32string();
}

}  // namespace

KeyTyping::KeyTyping(std::unique_ptr<KeyComposer> composer) : composer_(std::move(composer)) {}

KeyTyping::~KeyTyping() = default;

void KeyTyping::ReadThrough(std::unique_ptr<LayoutKeyReader> layout) {
    layout_ = std::move(layout);
    Reset();
}

KeyTyping::Typed KeyTyping::Press(const DesktopKey& key) {
    Typed typed{key.keysym, key.text};
    if (layout_) {
        if (!locksKnown_ && !IsLockKey(key.keysym)) {
            layout_->SetLocks(key.capsLock, key.numLock);
            locksKnown_ = true;
        }
        const LayoutKeyReader::Key own =
            key.repeat ? layout_->Repeat(key.keycode) : layout_->Press(key.keycode);
        // A key that gives the same on both layouts (Return, Backspace, most
        // letters between related layouts) types what the desktop says.
        if (own.keysym != key.keysym) typed = {own.keysym, OwnText(own)};
    }
    if (composer_) typed.text = composer_->Press(typed.keysym, typed.text);
    return typed;
}

void KeyTyping::Release(std::uint32_t keycode, bool repeat) {
    if (layout_ && !repeat) layout_->Release(keycode);
}

void KeyTyping::Reset() {
    if (layout_) layout_->Reset();
    if (composer_) composer_->Reset();
    locksKnown_ = false;
}

}  // namespace zq
