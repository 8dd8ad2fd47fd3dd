#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/CodePage.h"
#include "drills/LineRecorder.h"
#include "stats/LineRecord.h"

namespace zq {

class PracticeHistory;

// Whose practice a drill's lines are, and in which course and drill.
struct PracticeContext {
    std::string user;    // 8-bit text of the code page in force, as the profile keeps it
    std::string course;  // the course's name, UTF-8
    DrillKind drill = DrillKind::Course;
    // The code page of the drill's text and keys: the course's (the one in
    // force unless told).
    int codePage = SystemCodePage();
};

// The history's record of a completed line, finished at `utcMilliseconds`:
// the drill's 8-bit codes become Unicode characters, read in the context's
// code page, and the user's name UTF-8.
LineRecord MakeLineRecord(const CompletedLine& line, const PracticeContext& context,
                          std::int64_t utcMilliseconds);

// Hands the completed lines of one drill window to the practice history.
class DrillRecorder : public LineRecorder {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds since 1970 UTC

    DrillRecorder(PracticeHistory& history, PracticeContext context);
    DrillRecorder(PracticeHistory& history, PracticeContext context, Clock clock);

    // Never raises: the drill goes on whatever happens to the history.
    void RecordLine(const CompletedLine& line) override;

private:
    PracticeHistory& history_;
    PracticeContext context_;
    Clock clock_;
};

}  // namespace zq
