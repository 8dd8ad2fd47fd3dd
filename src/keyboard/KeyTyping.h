#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "keyboard/KeyComposer.h"
#include "keyboard/LayoutKeyReader.h"

namespace zq {

// What the keys type in the program where it reads them itself, because it
// cannot switch the desktop's keyboard layout (a Wayland desktop): through
// the layout it practises, by the keys' places, once it has one, else as the
// desktop's layout gives them; dead keys are composed either way.
class KeyTyping {
public:
    // A null composer composes nothing: dead keys type nothing.
    explicit KeyTyping(std::unique_ptr<KeyComposer> composer);
    ~KeyTyping();

    // Keys are read through this layout from now on; null: as the desktop
    // gives them again.
    void ReadThrough(std::unique_ptr<LayoutKeyReader> layout);
    // The layout keys are read through; null when the desktop's.
    const LayoutKeyReader* Layout() const { return layout_.get(); }

    // A key press as the desktop reports it.
    struct DesktopKey {
        std::uint32_t keycode = 0;  // XKB keycode: the kernel's key code plus 8
        std::uint32_t keysym = 0;   // on the desktop's layout
        std::u32string text;        // what it types by itself on the desktop's layout
        bool repeat = false;        // a key held down, pressed again by the desktop
        bool capsLock = false;      // the desktop's locks as the key goes down
        bool numLock = false;
    };
    struct Typed {
        std::uint32_t keysym = 0;
        std::u32string text;  // empty for a modifier, a dead key, a key that types nothing
    };
    Typed Press(const DesktopKey& key);
    void Release(std::uint32_t keycode, bool repeat);

    // The program lost the keyboard: keys held and a dead key pressed are
    // forgotten, and the locks are taken from the desktop at the next key.
    void Reset();

private:
    std::unique_ptr<KeyComposer> composer_;
    std::unique_ptr<LayoutKeyReader> layout_;
    bool locksKnown_ = false;
};

}  // namespace zq
