#pragma once

#include "base/Stopwatch.h"

namespace zq {

// The one stopwatch that all drill windows share (only one is open at a time).
stopwatch& DrillStopwatch();

}  // namespace zq
