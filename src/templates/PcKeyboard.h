#pragma once

#include <string>
#include <vector>

namespace zq {

// What a physical key does on every layout, independent of the characters
// the layout puts on it.
enum class KeyRole {
    Character,  // types what the layout puts on it (main block and Space)
    Control,    // Tab, Enter, Backspace: a fixed key that also types a control character
    CapsLock,
    LeftShift,
    RightShift,
    RightAlt,  // AltGr on layouts that have one, Alt on the others
    Keypad,    // numeric keypad keys that type a character with Num Lock on
    Other,     // function, navigation, Ctrl, Alt, Windows and Menu keys
};

// One key of a PC keyboard. Positions are in key units (the distance between
// two neighbouring letter keys); the function row is row 0, the digit row 1
// and the space bar row 5.
struct PcKey {
    std::string xkbName;  // XKB key name ("AE01"), how the layout addresses the key
    std::string caption;  // label of keys whose caption does not come from the layout
    KeyRole role;
    int scanCode;    // PC scan code set 1; 0xE0 xx is 256 + xx, 0xE1 1D xx is 512 + xx
    int virtualKey;  // Windows virtual-key code, the kind of a key that types no character
    int finger;      // 0 left little ... 9 right little (touch-typing assignment)
    int row;         // 0 function row ... 5 space bar row
    double x, y;     // top-left corner, key units
    double width, height;
};

enum class KeyboardShape {
    Iso,   // 105 keys: tall Enter, a key between left Shift and Z
    Ansi,  // 104 keys: wide Enter, backslash above it, long left Shift
};

// The keys of a full-size PC keyboard (main block with function row,
// navigation block, numeric keypad), in reading order: row by row from the
// top, left to right within a row.
std::vector<PcKey> PcKeyboard(KeyboardShape shape);

// Conversion of key units to the pixels of the on-screen keyboard.
struct PixelRect {
    int x, y, width, height;
};
PixelRect KeyPixels(const PcKey& key);

}  // namespace zq
