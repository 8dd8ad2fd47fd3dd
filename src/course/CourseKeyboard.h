#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "templates/Description.h"

namespace zq {

class TDataMod;

// Where a key lies for a typist, as the course's key order needs it.
enum class KeyRow { Home, Upper, Lower, Number, Other };

struct KeyPlace {
    KeyRow row = KeyRow::Other;
    int hand = 0;        // 0 left, 1 right
    int fingerRank = 4;  // 0 index, 1 middle, 2 ring, 3 little, 4 thumb or none
    int stretch = 0;     // 0 for the finger's own key in its row, 1, 2 ... farther off
    int x = 0;
};

// How a character is typed: its key, and Shift, AltGr or a dead key with it.
struct CharacterWay {
    char32_t character = 0;
    std::int32_t key = 0;  // the key's KeyValue
    bool shift = false;
    bool altGr = false;
    std::int32_t accent = 0;
    KeyPlace place;
};

// The keys of a character apart from Shift: two characters typed on the
// same key with the same AltGr and dead key, one of them with Shift, are
// one thing to learn ("a" and "A", "1" and "!").
struct KeyUnit {
    std::int32_t key = 0;
    bool altGr = false;
    std::int32_t accent = 0;
    auto operator<=>(const KeyUnit&) const = default;  // NOLINT(modernize-use-nullptr): tidy 14 misreads it
};

// A keyboard template seen from a course: which characters it types and
// how. A character's way is the template's first row for its code, the one
// the on-screen keyboard lights. Characters are Unicode, converted from the
// template's codes in the code page in force when the keyboard is made.
class CourseKeyboard {
public:
    explicit CourseKeyboard(const KeyboardDescription& description);
    // From a template the program's store has loaded.
    static CourseKeyboard FromStore(TDataMod& store);

    // Whether a key types the character: one of Ways(), or the tab when
    // the template has a row for it (the drills and the game take a tab of
    // their text from the Tab key).
    bool Types(char32_t ch) const { return ways_.contains(ch) || (ch == U'\t' && typesTab_); }
    const CharacterWay* WayOf(char32_t ch) const;
    // Every character the template types, in code order, control characters left out.
    const std::vector<CharacterWay>& Ways() const { return orderedWays_; }
    KeyUnit UnitOf(const CharacterWay& way) const { return {way.key, way.altGr, way.accent}; }

    // The capital of a lower-case letter: the upper-case letter typed on the
    // same key with Shift (Turkish "i" gives "İ"); 0 when there is none
    // ("ß").
    char32_t CapitalOf(char32_t letter) const;

private:
    struct Key {
        std::int32_t value = 0;
        std::int32_t kind = 0;
        std::int32_t finger = -1;
        std::int32_t x = 0, y = 0;
    };
    struct Row {
        std::int32_t code = 0;
        std::int32_t key = 0;
        bool shift = false, altGr = false;
        std::int32_t accent = 0;
    };
    CourseKeyboard(const std::vector<Key>& keys, const std::vector<Row>& rows);
    std::map<std::int32_t, KeyPlace> Places(const std::vector<Key>& keys) const;

    std::map<char32_t, CharacterWay> ways_;
    std::vector<CharacterWay> orderedWays_;
    std::vector<Row> rows_;
    bool typesTab_ = false;
};

}  // namespace zq
