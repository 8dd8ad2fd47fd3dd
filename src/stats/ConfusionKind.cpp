#include "stats/ConfusionKind.h"

#include <cstdlib>
#include <optional>

#include "base/Translation.h"
#include "stats/CourseKeyboard.h"

namespace zq {

namespace {

// Two keys lie in different rows when their middles are further apart
// than half the height of the lower one: keys of a row may be set a few
// pixels apart, but never half a key.
bool InDifferentRows(const KeyRect& a, const KeyRect& b) {
    const int middleA = 2 * a.Top + a.Height;
    const int middleB = 2 * b.Top + b.Height;
    return std::abs(middleA - middleB) > std::min(a.Height, b.Height);
}

ConfusionKind KindOfFingers(std::int32_t meant, std::int32_t used) {
    if (HandOfFinger(meant) != HandOfFinger(used)) return ConfusionKind::OtherHand;
    if (std::abs(meant - used) == 1) return ConfusionKind::NeighbouringFinger;
    return ConfusionKind::SameHandOtherFinger;
}

}  // namespace

ConfusionKind KindOf(const Confusion& confusion, const CourseKeyboard& keyboard) {
    const std::optional<CharacterKey> meant = keyboard.KeyOf(confusion.expected);
    const std::optional<CharacterKey> used =
        confusion.typed == 0 ? std::nullopt : keyboard.KeyOf(confusion.typed);
    if (!meant || !used) return ConfusionKind::Unknown;
    if (meant->key == used->key) {
        if (meant->accent != used->accent) return ConfusionKind::DeadKeyMissed;
        if (meant->shift != used->shift || meant->altGr != used->altGr)
            return ConfusionKind::ShiftOrAltGrMissed;
        return ConfusionKind::Unknown;  // two ways of typing one character
    }
    if (!IsFinger(meant->finger) || !IsFinger(used->finger)) return ConfusionKind::Unknown;
    if (meant->finger == used->finger) {
        return InDifferentRows(keyboard.RectOfKey(meant->key), keyboard.RectOfKey(used->key))
                   ? ConfusionKind::SameFingerWrongRow
                   : ConfusionKind::SameFingerSameRow;
    }
    return KindOfFingers(meant->finger, used->finger);
}

std::string ConfusionKindText(ConfusionKind kind) {
    switch (kind) {
        case ConfusionKind::Unknown:
            return {};
        case ConfusionKind::ShiftOrAltGrMissed:
            return Tr("Shift or AltGr missed");
        case ConfusionKind::DeadKeyMissed:
            return Tr("dead key missed");
        case ConfusionKind::SameFingerWrongRow:
            return Tr("same finger, wrong row");
        case ConfusionKind::SameFingerSameRow:
            return Tr("same finger, key beside");
        case ConfusionKind::NeighbouringFinger:
            return Tr("neighbouring finger");
        case ConfusionKind::SameHandOtherFinger:
            return Tr("same hand, other finger");
        case ConfusionKind::OtherHand:
            return Tr("other hand");
    }
    return {};
}

}  // namespace zq
