#include "course/CourseKeyboard.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "base/CodePage.h"
#include "course/UnicodeText.h"
#include "keyboard/KeyTypes.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

bool TypesCharacters(std::int32_t kind) {
    return kind <= kLastCharacterKeyType || (kind >= kFirstDeadKeyType && kind <= kLastDeadKeyType);
}

int FingerRank(std::int32_t finger) {
    switch (finger) {
        case 3:
        case 6:
            return 0;
        case 2:
        case 7:
            return 1;
        case 1:
        case 8:
            return 2;
        case 0:
        case 9:
            return 3;
        default:
            return 4;
    }
}

// The finger beside which a finger's own key lies: the index finger's
// stretch key is the one farther from the middle finger, the little
// finger's the one farther from the ring finger.
std::int32_t NeighbourFinger(std::int32_t finger) {
    switch (finger) {
        case 3:
            return 2;
        case 6:
            return 7;
        case 0:
            return 1;
        case 9:
            return 8;
        default:
            return -1;
    }
}

}  // namespace

CourseKeyboard::CourseKeyboard(const KeyboardDescription& description)
    : CourseKeyboard(
          [&] {
              std::vector<Key> keys;
              for (const DescribedKey& key : description.keys)
                  keys.push_back({key.keyValue, key.kind, key.finger, key.x, key.y});
              return keys;
          }(),
          [&] {
              std::vector<Row> rows;
              for (const DescribedChar& ch : description.chars)
                  rows.push_back({ch.code, ch.keyValue, ch.shift, ch.altGr, ch.accent});
              // The program looks characters up in code order, the stored
              // order kept among equal codes.
              std::stable_sort(rows.begin(), rows.end(),
                               [](const Row& a, const Row& b) { return a.code < b.code; });
              return rows;
          }()) {}

CourseKeyboard CourseKeyboard::FromStore(TDataMod& store) {
    std::vector<Key> keys;
    for (store.MainTbl.First(); !store.MainTbl.Eof(); store.MainTbl.Next())
        keys.push_back({store.MainTbl.AsInteger("KeyValue"), store.MainTbl.AsInteger("KeyType"),
                        store.MainTbl.AsInteger("Finger"), store.MainTbl.AsInteger("X"),
                        store.MainTbl.AsInteger("Y")});
    std::vector<Row> rows;
    for (store.Ctbl.First(); !store.Ctbl.Eof(); store.Ctbl.Next())
        rows.push_back({store.Ctbl.AsInteger("Code"), store.Ctbl.AsInteger("KeyNo"),
                        store.Ctbl.AsBoolean("Shift"), store.Ctbl.AsBoolean("AltGr"),
                        store.Ctbl.AsInteger("Accent")});
    return CourseKeyboard(keys, rows);
}

CourseKeyboard::CourseKeyboard(const std::vector<Key>& keys, const std::vector<Row>& rows) : rows_(rows) {
    const std::map<std::int32_t, KeyPlace> places = Places(keys);
    for (const Row& row : rows) {
        if (row.code == '\t' && places.contains(row.key)) typesTab_ = true;
        if (row.code < 32 || row.code > 255 || row.code == 127) continue;
        const char32_t ch = CharOfCode(static_cast<unsigned char>(row.code));
        if (ch == 0xFFFD || ways_.contains(ch)) continue;
        const auto place = places.find(row.key);
        if (place == places.end()) continue;  // a row for a key the template lacks types nothing
        const CharacterWay way{ch, row.key, row.shift, row.altGr, row.accent, place->second};
        ways_.emplace(ch, way);
        orderedWays_.push_back(way);
    }
}

std::map<std::int32_t, KeyPlace> CourseKeyboard::Places(const std::vector<Key>& keys) const {
    std::set<std::int32_t> rowTops;
    std::int32_t homeY = -1;
    for (const Key& key : keys) {
        if (TypesCharacters(key.kind)) rowTops.insert(key.y);
        if (key.kind == kCapsLockKeyType) homeY = key.y;
    }
    const std::vector<std::int32_t> tops(rowTops.begin(), rowTops.end());
    const auto homeIndex = std::find(tops.begin(), tops.end(), homeY) - tops.begin();
    const auto rowOf = [&](std::int32_t y) {
        if (homeY < 0) return KeyRow::Other;
        const auto index = std::find(tops.begin(), tops.end(), y) - tops.begin();
        const auto offset = index - homeIndex;
        return offset == 0    ? KeyRow::Home
               : offset == -1 ? KeyRow::Upper
               : offset == 1  ? KeyRow::Lower
               : offset == -2 ? KeyRow::Number
                              : KeyRow::Other;
    };
    std::map<std::int32_t, KeyPlace> places;
    for (const Key& key : keys) {
        KeyPlace place{rowOf(key.y), key.finger >= 5 ? 1 : 0, FingerRank(key.finger), 0, key.x};
        // Among the finger's keys in this row, the nearer to the
        // neighbouring finger's key, the easier.
        const std::int32_t neighbour = NeighbourFinger(key.finger);
        const auto neighbourKey = std::find_if(keys.begin(), keys.end(), [&](const Key& other) {
            return other.y == key.y && other.finger == neighbour && TypesCharacters(other.kind);
        });
        if (neighbourKey != keys.end() && TypesCharacters(key.kind)) {
            const std::int32_t distance = std::abs(key.x - neighbourKey->x);
            place.stretch = static_cast<int>(std::count_if(keys.begin(), keys.end(), [&](const Key& other) {
                return other.y == key.y && other.finger == key.finger && TypesCharacters(other.kind) &&
                       std::abs(other.x - neighbourKey->x) < distance;
            }));
        }
        places.emplace(key.value, place);
    }
    return places;
}

const CharacterWay* CourseKeyboard::WayOf(char32_t ch) const {
    const auto found = ways_.find(ch);
    return found != ways_.end() ? &found->second : nullptr;
}

char32_t CourseKeyboard::CapitalOf(char32_t letter) const {
    const CharacterWay* way = WayOf(letter);
    if (!way || way->shift || !IsLetter(letter)) return 0;
    for (const CharacterWay& other : orderedWays_) {
        if (other.key == way->key && other.shift && other.altGr == way->altGr &&
            other.accent == way->accent && IsLetter(other.character) && IsUpperCase(other.character))
            return other.character;
    }
    return 0;
}

}  // namespace zq
