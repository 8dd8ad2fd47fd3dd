#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "drills/KeysInPlay.h"
#include "drills/LineRecorder.h"

namespace zq {

// How a drill's line came to its end, as the drill tells its source.
enum class LineOutcome { loCompleted = 0, loEscaped = 1, loEnter = 2, loNoLine = 3 };

struct LineEnd {
    LineOutcome outcome = LineOutcome::loNoLine;
    // False only for a line completed below the pass accuracy.
    bool passed = true;
};

// What a drill does after a line, as its source answers.
struct LineStep {
    // The line before is typed again as it stands (judged afresh); otherwise
    // the source's Line() is set up as the new sample, even when it reads
    // the same.
    bool sameLine = false;
    // The line comes again because it was typed below the pass accuracy;
    // the learner is told so beside the statistics.
    bool belowPassAccuracy = false;
    // Told to the learner in an information box before the line (UTF-8);
    // empty: nothing.
    std::string notice;
};

// Where the line stands among the lines of a source that has an order (the
// course's): its 0-based index and the number of lines.
struct LinePlace {
    std::int32_t index = -1;  // -1 in a source without an order
    std::int32_t count = 0;
};

// Where a drill's lines come from: the course's lines from a position,
// random sentences of a file, the learner's own letters, a line of their
// weak keys, lines that follow the learner key by key. The drill asks its
// source for the line to type, tells it of every completed line and of
// every line's end, and follows the step it answers. The drill does not own
// its source; the source outlives it.
class LineSource {
public:
    virtual ~LineSource() = default;

    // The line to type now: 8-bit text of the code page, already trimmed;
    // nothing while the source has no line (the free drill before the
    // learner gives letters).
    virtual std::optional<std::string> Line() const = 0;

    // Told that a line ended, the source moves on to the line that follows
    // it (or stays) and says what the drill does next.
    virtual LineStep LineEnded(const LineEnd& end) = 0;

    // Told of every line typed to its end, with its figures and the counts
    // of its keys, before LineEnded: a source may build the next line from
    // what the learner typed. `line` lives only during the call.
    virtual void LineCompleted(const CompletedLine& line) { static_cast<void>(line); }

    // What the drill's status bar says when the drill begins with this
    // source (UTF-8); empty leaves the drill's own text.
    virtual std::string Announcement() const { return {}; }

    // Where the line stands, in a source whose lines have an order.
    virtual LinePlace Place() const { return {}; }
    // Moves to the line at `index` of an ordered source, when there is one
    // (the learner stepping through the course); false when the source has
    // no order or no such line, and nothing changes.
    virtual bool MoveTo(std::int32_t index) {
        static_cast<void>(index);
        return false;
    }

    // The keys a source that follows the learner practises, each with its
    // progress, and what the last line changed; nothing in other sources.
    virtual KeysInPlay Keys() const { return {}; }
};

}  // namespace zq
