#pragma once

#include <cstdint>

#include "base/stopwatch.h"

namespace zq {

// A trigger that fires once its interval has passed, checked once per pass
// of the game loop. A trigger that fired starts again at its next check, and
// never fires at the check that starts it unless its interval is below the
// stopwatch's 25 ms floor.
class IntervalTrigger {
public:
    explicit IntervalTrigger(MillisecondClock clock) : watch_(std::move(clock)) {}

    // Due: whether the trigger fires at this check.
    bool Due(std::int32_t intervalMs);

private:
    stopwatch watch_;
    bool restart_ = true;
};

}  // namespace zq
