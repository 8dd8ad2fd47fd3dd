#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zq {

class DataTable;

// The keys a character takes, beyond its own key: the Shift of the other
// hand or AltGr held with it, and a dead key pressed before it (itself
// perhaps with Shift or AltGr), as the template's character table says.
// Keys are numbered as the key area builds them: the key-table row number
// (in Name order) less one.
struct KeyStrokes {
    int mainKey = -1;               // the character's own key; -1 when it has none
    std::vector<int> modifiers;     // the other keys to light, in the order they are pressed
    std::int32_t firstFinger = -1;  // the finger of the first key to press
};

// Where a template's Shift, AltGr and dead keys are, found once when its
// keys are built, so that a character's strokes are found without walking
// the key table.
class ModifierKeys {
public:
    // Walks the key table (its cursor moves). A table that cannot be read
    // gives no modifier keys.
    void Find(DataTable& keyTable);

    // The strokes of a character, from the first character-table row with
    // its code and the first key-table row with that row's KeyNo.
    KeyStrokes StrokesOf(DataTable& charTable, DataTable& keyTable, unsigned char character) const;

private:
    struct Key {
        int index = -1;
        std::int32_t finger = -1;
    };
    // How a dead key's accent is typed: the key, and whether Shift or AltGr
    // is held with it.
    struct DeadStroke {
        Key key;
        bool shift = false;
        bool altGr = false;
    };

    // The Shift key of the hand other than the one of `finger` (the left
    // one for a key without a finger); the other Shift when that hand has none.
    Key ShiftFor(std::int32_t finger) const;
    void AddStroke(const Key& key, bool shift, bool altGr, KeyStrokes& strokes) const;

    Key leftShift_;
    Key rightShift_;
    Key altGr_;
    std::array<DeadStroke, 8> deadStrokes_{};  // by accent code 2001..2008
};

}  // namespace zq
