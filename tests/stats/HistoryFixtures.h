#pragma once

// Lines for the history tests.

#include <algorithm>
#include <string>

#include "stats/LineRecord.h"

namespace zq::testing {

// A line of `user` on `day`: the characters of `text` typed once each, the
// first `wrongFirst` of them wrongly (as the character after them), 200 ms
// a key, each character after the first making a pair with the one before.
// Names are UTF-8.
inline LineRecord TypedLine(const std::string& user, std::int32_t day, const std::u32string& text,
                            int wrongFirst = 0, DrillKind drill = DrillKind::Sentence,
                            const std::string& course = "English") {
    LineRecord line;
    line.user = user;
    line.course = course;
    line.drill = drill;
    line.localDay = day;
    line.finishedAtMs = std::int64_t{day} * 86'400'000 + 43'200'000;
    line.characters = static_cast<std::int32_t>(text.size());
    line.errors = wrongFirst;
    line.lineTimeMs = 200 * line.characters;
    line.keysPerMinute = 300;
    line.accuracy = line.characters ? (line.characters - wrongFirst) * 100 / line.characters : 0;
    line.wordsPerMinute = 60;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t character = text[i];
        const bool wrong = static_cast<int>(i) < wrongFirst;
        auto found = std::find_if(line.keys.begin(), line.keys.end(),
                                  [character](const KeyTally& key) { return key.character == character; });
        if (found == line.keys.end())
            found = line.keys.insert(line.keys.end(), KeyTally{.character = character});
        ++found->typed;
        if (wrong) {
            ++found->wrong;
            const char32_t typed = character + 1;
            auto confusion =
                std::find_if(line.confusions.begin(), line.confusions.end(),
                             [&](const Confusion& c) { return c.expected == character && c.typed == typed; });
            if (confusion == line.confusions.end())
                confusion = line.confusions.insert(line.confusions.end(), Confusion{character, typed, 0});
            ++confusion->count;
        } else if (i > 0) {
            ++found->timedKeys;
            found->timeMs += 200;
        }
        if (i == 0) continue;
        const char32_t first = text[i - 1];
        auto pair = std::find_if(line.pairs.begin(), line.pairs.end(), [&](const PairTally& p) {
            return p.first == first && p.second == character;
        });
        if (pair == line.pairs.end())
            pair = line.pairs.insert(line.pairs.end(), PairTally{.first = first, .second = character});
        ++pair->typed;
        if (wrong) {
            ++pair->wrong;
        } else {
            ++pair->timedKeys;
            pair->timeMs += 200;
        }
    }
    return line;
}

// The same for a text of ASCII characters.
inline LineRecord TypedLine(const std::string& user, std::int32_t day, const std::string& ascii,
                            int wrongFirst = 0, DrillKind drill = DrillKind::Sentence,
                            const std::string& course = "English") {
    return TypedLine(user, day, std::u32string(ascii.begin(), ascii.end()), wrongFirst, drill, course);
}
inline LineRecord TypedLine(const std::string& user, std::int32_t day, const char* ascii, int wrongFirst = 0,
                            DrillKind drill = DrillKind::Sentence, const std::string& course = "English") {
    return TypedLine(user, day, std::string(ascii), wrongFirst, drill, course);
}

}  // namespace zq::testing
