#pragma once

#include <cstdint>
#include <deque>

#include "stats/LineRecord.h"

namespace zq {

// A key is judged over its last strokes, this many of them.
inline constexpr std::int64_t kJudgedStrokes = 30;

// One key's recent strokes: its counts in the learner's latest lines, as
// many of them as hold its last kJudgedStrokes strokes. Lines count whole,
// so the figures may reach a few strokes further back than that; a key not
// typed so often yet has fewer.
class RecentStrokes {
public:
    // A line typed before every line added so far (the history read from
    // the newest line back); nothing once the strokes are enough.
    void AddOlder(const KeyTally& line);
    // The line just typed; lines no longer needed fall out.
    void AddNewest(const KeyTally& line);

    // The sums over the lines kept (`character` left 0).
    KeyTally Figures() const;
    // Whether the lines kept hold kJudgedStrokes strokes.
    bool Enough() const { return Figures().typed >= kJudgedStrokes; }

private:
    std::deque<KeyTally> lines_;  // newest first
};

}  // namespace zq
