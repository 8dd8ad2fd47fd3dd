#pragma once

#include <cstdint>
#include <memory>

#include "keyboard/XkbLayoutGroups.h"

struct xkb_keymap;
struct xkb_state;

namespace zq {

// Reads keys by their place on the keyboard through one XKB layout, whatever
// layout the desktop types with: a key is named by its XKB keycode (the
// kernel's key code plus 8, as the desktop's key events carry it), and what
// it gives is what it gives on that layout, with the layout's own Shift,
// AltGr and Caps Lock. The state of the modifier keys is kept from the
// presses and releases it is told of.
class LayoutKeyReader {
public:
    // The layout for a 105-key PC keyboard with the evdev rules, as a Linux
    // desktop reads it; null when the system's XKB data lacks it.
    static std::unique_ptr<LayoutKeyReader> ForLayout(const XkbLayoutName& layout);
    ~LayoutKeyReader();
    LayoutKeyReader(const LayoutKeyReader&) = delete;
    LayoutKeyReader& operator=(const LayoutKeyReader&) = delete;

    const XkbLayoutName& Layout() const { return layout_; }

    // What a key gives: its keysym, and the character it types (0 for a
    // modifier, a dead key, a function key).
    struct Key {
        std::uint32_t keysym = 0;
        char32_t character = 0;
    };
    // A key goes down: what it gives with the modifiers in effect before it
    // (a modifier key itself changes them for the keys after it).
    Key Press(std::uint32_t keycode);
    // What a key held down gives again (auto-repeat); nothing changes.
    Key Repeat(std::uint32_t keycode) const;
    void Release(std::uint32_t keycode);

    // Caps Lock and Num Lock as the desktop has them, for when keys are read
    // again after a while away (the locks may have changed meanwhile).
    void SetLocks(bool capsLock, bool numLock);
    // Every key up and no lock on.
    void Reset();

private:
    LayoutKeyReader(XkbLayoutName layout, xkb_keymap* keymap);
    Key KeyOf(std::uint32_t keycode) const;
    bool LockActive(const char* modifierName) const;

    XkbLayoutName layout_;
    xkb_keymap* keymap_;
    xkb_state* state_;
};

}  // namespace zq
