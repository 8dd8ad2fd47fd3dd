#pragma once

#include <cstdint>

#include "base/stopwatch.h"

namespace zq::testing {

// A clock that stands still until the test moves it.
class FakeClock {
public:
    std::int64_t now = 1'000'000;
    MillisecondClock Function() {
        return [this] { return now; };
    }
};

}  // namespace zq::testing
