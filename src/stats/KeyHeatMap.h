#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/Color.h"
#include "keyboard/KeyArea.h"
#include "stats/CourseKeyboard.h"
#include "stats/LineRecord.h"

namespace zq {

// At this error rate and above a key is drawn fully red.
inline constexpr double kRedErrorRate = 0.10;

// The colour of an error rate: green for none, through yellow at half of
// kRedErrorRate, to red.
TColor HeatColor(double errorRate);

// The figures of the characters one key types.
struct KeyHeat {
    std::int64_t typed = 0;
    std::int64_t wrong = 0;
    std::int64_t timedKeys = 0;
    std::int64_t timeMs = 0;
    std::u32string characters;  // in the order of their code points
};

// A course's keyboard drawn as a heat map: the keys of its template, each
// with the figures of the characters it types (found as the on-screen
// keyboard finds a character's key).
class KeyHeatMap {
public:
    // Reads the template, whose character table holds 8-bit codes of
    // `codePage`; one that cannot be read gives a keyboard without keys.
    void LoadTemplate(const std::string& path, int codePage = SystemCodePage());
    // Gives every key the sums of its characters.
    void SetFigures(const std::vector<KeyTally>& keys);

    const KeyArea& Keys() const { return keyboard_.Keys(); }
    // The keyboard the map is drawn on.
    const CourseKeyboard& Keyboard() const { return keyboard_; }
    const KeyHeat& HeatOf(std::size_t key) const { return heat_.at(key); }
    // The key's colour, none for a key not typed at all. A key typed too
    // seldom to tell (see kMinTypedToRank) gets a pale tint of its colour.
    std::optional<TColor> ColorOf(std::size_t key) const;
    // What pointing at a key tells (UTF-8).
    std::string TipOf(std::size_t key) const;

private:
    CourseKeyboard keyboard_;
    std::vector<KeyHeat> heat_;
};

}  // namespace zq
