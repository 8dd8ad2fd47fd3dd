#include "keyboard/KeyStrokes.h"

#include "keyboard/DataTable.h"
#include "keyboard/KeyGroups.h"

namespace zq {

namespace {

bool IsAccent(std::int32_t code) {
    return code >= kFirstDeadKeyType && code <= kLastDeadKeyType;
}

bool IsLeftHand(std::int32_t finger) {
    return finger >= 0 && finger <= 4;
}

}  // namespace

void ModifierKeys::Find(DataTable& keyTable) {
    *this = {};
    try {
        for (keyTable.First(); !keyTable.Eof(); keyTable.Next()) {
            const Key key{keyTable.RecNo() - 1, keyTable.AsInteger("Finger")};
            const std::int32_t type = keyTable.AsInteger("KeyType");
            const std::int32_t type2 = keyTable.AsInteger("KeyType2");
            if (type == kLeftShiftKeyType && leftShift_.index < 0) leftShift_ = key;
            if (type == kRightShiftKeyType && rightShift_.index < 0) rightShift_ = key;
            if (type == kAltGrKeyType && altGr_.index < 0) altGr_ = key;
            // An accent from a dead key alone beats one that needs Shift
            // (a dead key's second accent) or AltGr (a character key's).
            if (IsAccent(type)) {
                DeadStroke& stroke = deadStrokes_[static_cast<std::size_t>(type - kFirstDeadKeyType)];
                if (stroke.key.index < 0 || stroke.shift || stroke.altGr) stroke = {key, false, false};
            }
            if (IsAccent(type2)) {
                DeadStroke& stroke = deadStrokes_[static_cast<std::size_t>(type2 - kFirstDeadKeyType)];
                const bool withShift = IsAccent(type);
                const bool better = stroke.key.index < 0 || (stroke.altGr && withShift);
                if (better && (withShift || type <= kLastCharacterKeyType))
                    stroke = {key, withShift, !withShift};
            }
        }
    } catch (const std::exception&) {
        *this = {};  // a key table without the fields: no modifiers to show
    }
}

ModifierKeys::Key ModifierKeys::ShiftFor(std::int32_t finger) const {
    const Key& preferred = IsLeftHand(finger) ? rightShift_ : leftShift_;
    return preferred.index >= 0 ? preferred : (IsLeftHand(finger) ? leftShift_ : rightShift_);
}

void ModifierKeys::AddStroke(const Key& key, bool shift, bool altGr, KeyStrokes& strokes) const {
    if (shift) {
        const Key shiftKey = ShiftFor(key.finger);
        if (shiftKey.index >= 0) strokes.modifiers.push_back(shiftKey.index);
        if (shiftKey.index >= 0 && strokes.firstFinger < 0) strokes.firstFinger = shiftKey.finger;
    }
    if (altGr && altGr_.index >= 0) {
        strokes.modifiers.push_back(altGr_.index);
        if (strokes.firstFinger < 0) strokes.firstFinger = altGr_.finger;
    }
    if (strokes.firstFinger < 0) strokes.firstFinger = key.finger;
}

KeyStrokes ModifierKeys::StrokesOf(DataTable& charTable, DataTable& keyTable, unsigned char character) const {
    KeyStrokes strokes;
    if (!charTable.Locate("Code", character)) return strokes;
    const bool shift = charTable.AsBoolean("Shift");
    const bool altGr = charTable.AsBoolean("AltGr");
    const std::int32_t accent = charTable.AsInteger("Accent");
    if (!keyTable.Locate("KeyValue", charTable.AsInteger("KeyNo"))) return strokes;
    const Key main{keyTable.RecNo() - 1, keyTable.AsInteger("Finger")};
    strokes.mainKey = main.index;

    // The dead key comes first, with what it needs held; then the key itself.
    if (IsAccent(accent)) {
        const DeadStroke& dead = deadStrokes_[static_cast<std::size_t>(accent - kFirstDeadKeyType)];
        if (dead.key.index >= 0) {
            AddStroke(dead.key, dead.shift, dead.altGr, strokes);
            strokes.modifiers.push_back(dead.key.index);
        }
    }
    AddStroke(main, shift, altGr, strokes);
    return strokes;
}

}  // namespace zq
