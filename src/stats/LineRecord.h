#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drills/DrillKind.h"

namespace zq {

// The name a drill is stored under ("course", "sentence", "free",
// "paragraph", "adaptive"), and back.
std::string_view DrillName(DrillKind drill);
std::optional<DrillKind> DrillFromName(std::string_view name);
inline constexpr DrillKind kAllDrills[] = {DrillKind::Course, DrillKind::Sentence, DrillKind::Free,
                                           DrillKind::Paragraph, DrillKind::Adaptive};

// What happened to one expected character (a Unicode character) in a
// line: how often it was typed, how often wrongly, and the time taken for
// the right strokes that followed another key of the line.
struct KeyTally {
    char32_t character = 0;
    std::int64_t typed = 0;
    std::int64_t wrong = 0;
    std::int64_t timedKeys = 0;  // right strokes with a time
    std::int64_t timeMs = 0;     // their times from the previous key, summed
};

// Two expected characters typed one right after the other: how often, how
// often the second went wrong, and the time of its right strokes from the
// first.
struct PairTally {
    char32_t first = 0;
    char32_t second = 0;
    std::int64_t typed = 0;
    std::int64_t wrong = 0;
    std::int64_t timedKeys = 0;
    std::int64_t timeMs = 0;
};

// A character typed in place of another, and how often. U+0000 stands for a
// character that the drill's code page could not hold.
struct Confusion {
    char32_t expected = 0;
    char32_t typed = 0;
    std::int64_t count = 0;
};

// One completed drill line as the history keeps it: names in UTF-8 and keys
// as Unicode characters, so that they read the same whatever language, and
// with it whatever code page, a later run has.
struct LineRecord {
    std::string user;
    std::string course;
    DrillKind drill = DrillKind::Course;
    std::int64_t finishedAtMs = 0;  // milliseconds since 1970-01-01 UTC
    std::int32_t localDay = 0;      // the learner's calendar day (see LocalDay.h)
    std::int32_t courseLine = -1;   // 0-based line of the course file; -1 outside the course drill
    std::int32_t characters = 0;
    std::int32_t errors = 0;
    std::int32_t keysPerMinute = 0;
    std::int32_t accuracy = 0;
    std::int32_t wordsPerMinute = 0;
    std::int32_t lineTimeMs = 0;
    std::vector<KeyTally> keys;
    std::vector<Confusion> confusions;
    std::vector<PairTally> pairs;
};

}  // namespace zq
