#pragma once

// Windows virtual-key codes, under their Windows names: the program's one
// table of key codes. The drills' key-down handlers judge keys by them, the
// windows translate their toolkit's key events into them
// (drills/ui/KeyTranslation), and a keyboard template gives a key that types
// no character the code of its key as its kind (keyboard/KeyTypes.h).
// Letter and digit keys have the codes of their capital letter and digit
// ('A' is 0x41, '0' is 0x30), and, as in Windows, the Backspace, Tab, Enter
// and Escape keys type the control characters of their own codes.

namespace zq {

inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;  // Alt
inline constexpr int VK_PAUSE = 0x13;
inline constexpr int VK_CAPITAL = 0x14;  // Caps Lock
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;  // Page Up
inline constexpr int VK_NEXT = 0x22;   // Page Down
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_SNAPSHOT = 0x2C;  // Print Screen
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_LWIN = 0x5B;
inline constexpr int VK_RWIN = 0x5C;
inline constexpr int VK_APPS = 0x5D;      // the Menu key
inline constexpr int VK_NUMPAD0 = 0x60;   // VK_NUMPAD0 + n: the keypad's digit n, Num Lock on
inline constexpr int VK_MULTIPLY = 0x6A;  // the keypad's operators and decimal point
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;  // VK_F1 + n: the function key F(n + 1), up to F24
inline constexpr int VK_F24 = 0x87;
inline constexpr int VK_NUMLOCK = 0x90;
inline constexpr int VK_SCROLL = 0x91;  // Scroll Lock
// A key taken by an input method: a dead key, whose composed character
// arrives afterwards.
inline constexpr int VK_PROCESSKEY = 0xE5;

}  // namespace zq
