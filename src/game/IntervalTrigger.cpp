#include "game/IntervalTrigger.h"

namespace zq {

bool IntervalTrigger::Due(std::int32_t intervalMs) {
    if (restart_) {
        watch_.SetElapsed(0);
        watch_.Start();
    }
    const std::int32_t elapsed = watch_.Elapsed();
    restart_ = intervalMs < elapsed;
    return restart_;
}

}  // namespace zq
