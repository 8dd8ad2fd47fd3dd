#include "keyboard/KeyGroups.h"

namespace zq {

int KeyGroupOf(std::int32_t keyType) {
    if (keyType <= kLastCharacterKeyType) return 1;
    if (keyType == kCapsLockKeyType) return 20;
    if (keyType == kAltGrKeyType) return 1000;
    if (keyType == kLeftShiftKeyType || keyType == kRightShiftKeyType) return 1002;
    if (keyType >= kFirstDeadKeyType && keyType <= kLastDeadKeyType) return 2000;
    return kNoKeyGroup;
}

}  // namespace zq
