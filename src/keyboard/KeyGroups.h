#pragma once

#include <cstdint>

#include "keyboard/KeyTypes.h"

namespace zq {

// No group: such a key can never look pressed.
inline constexpr int kNoKeyGroup = 0;

// The group of keys of a kind: all character keys share one, both Shift keys
// share one, all dead keys share one, Caps Lock and AltGr have one each.
// Within a group at most one key is pressed at a time.
int KeyGroupOf(std::int32_t keyType);

}  // namespace zq
