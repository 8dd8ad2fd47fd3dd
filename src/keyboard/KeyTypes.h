#pragma once

#include <cstdint>

#include "base/VirtualKeys.h"

namespace zq {

// The kinds of key of a keyboard template's key table (its KeyType and
// KeyType2 columns), read by the keyboard and written by the template maker.
// A key that types no character and has no kind of its own below is of the
// kind of its Windows virtual-key code (Tab VK_TAB, Enter VK_RETURN, ...).
inline constexpr std::int32_t kLetterKeyType = 1;         // Caps Lock swaps its plain and Shift characters
inline constexpr std::int32_t kCharacterKeyType = 2;      // any other key that types characters
inline constexpr std::int32_t kLastCharacterKeyType = 7;  // 3 to 7 are read as character keys too
inline constexpr std::int32_t kCapsLockKeyType = VK_CAPITAL;
inline constexpr std::int32_t kAltGrKeyType = 1000;
inline constexpr std::int32_t kLeftShiftKeyType = 1002;
inline constexpr std::int32_t kRightShiftKeyType = 1003;

// A dead key is of the kind of the accent it puts on the next character; the
// character table names the dead key of a character by the same codes.
enum AccentCode : std::int32_t {
    kNoAccent = 0,
    kAccentGrave = 2001,
    kAccentAcute = 2002,
    kAccentCircumflex = 2003,
    kAccentTilde = 2004,
    kAccentUmlaut = 2005,
    kAccentRing = 2006,
    kAccentCaron = 2007,
    kAccentCedilla = 2008,
};
inline constexpr std::int32_t kFirstDeadKeyType = kAccentGrave;
inline constexpr std::int32_t kLastDeadKeyType = kAccentCedilla;

}  // namespace zq
