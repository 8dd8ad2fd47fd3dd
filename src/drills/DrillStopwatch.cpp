#include "drills/DrillStopwatch.h"

namespace zq {

stopwatch& DrillStopwatch() {
    static stopwatch shared;
    return shared;
}

}  // namespace zq
