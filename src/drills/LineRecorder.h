#pragma once

#include <cstdint>
#include <string>

#include "drills/LineKeyCounts.h"

namespace zq {

// A line typed to its end, as a drill hands it to whoever keeps a history
// of practice (escaped lines and lines ended early with Enter are not
// handed over).
struct CompletedLine {
    const std::string& sample;  // 8-bit text
    std::int32_t characters = 0;
    std::int32_t errors = 0;
    std::int32_t lineTimeMs = 0;
    std::int64_t keysPerMinute = 0;
    std::int64_t accuracy = 0;
    std::int64_t wordsPerMinute = 0;
    std::int32_t courseLine = -1;  // 0-based line of the course file; -1 in other drills
    const LineKeyCounts& keys;
};

// Told of every completed line; the drill goes on whatever happens inside.
class LineRecorder {
public:
    virtual ~LineRecorder() = default;
    virtual void RecordLine(const CompletedLine& line) = 0;
};

}  // namespace zq
