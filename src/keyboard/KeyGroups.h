#pragma once

#include <cstdint>

namespace zq {

// Kinds of key in a template's key table (KeyType).
inline constexpr std::int32_t kLastCharacterKeyType = 7;  // 1 letter keys, 2-7 other character keys
inline constexpr std::int32_t kCapsLockKeyType = 20;
inline constexpr std::int32_t kAltGrKeyType = 1000;
inline constexpr std::int32_t kLeftShiftKeyType = 1002;
inline constexpr std::int32_t kRightShiftKeyType = 1003;
inline constexpr std::int32_t kFirstDeadKeyType = 2001;
inline constexpr std::int32_t kLastDeadKeyType = 2008;

// No group: such a key can never look pressed.
inline constexpr int kNoKeyGroup = 0;

// The group of keys of a kind: all character keys share one, both Shift keys
// share one, all dead keys share one, Caps Lock and AltGr have one each.
// Within a group at most one key is pressed at a time.
int KeyGroupOf(std::int32_t keyType);

}  // namespace zq
