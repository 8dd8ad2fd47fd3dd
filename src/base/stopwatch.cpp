#include "base/stopwatch.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace zq {

std::int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

stopwatch::stopwatch(MillisecondClock clock) : clock_(std::move(clock)) {}

std::int32_t stopwatch::MillisecondsSince(std::int64_t mark) const {
    const std::int64_t difference = clock_() - mark;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(difference, 0, std::numeric_limits<std::int32_t>::max()));
}

void stopwatch::Start() {
    stopped_ = false;
    startMark_ = clock_();
}

void stopwatch::Stop() {
    if (stopped_) return;
    elapsedMs_ = MillisecondsSince(startMark_);
    startMark_ = clock_();
    stopped_ = true;
}

std::int32_t stopwatch::Elapsed() {
    if (!stopped_) {
        const std::int64_t sum = std::int64_t{elapsedMs_} + MillisecondsSince(startMark_);
        elapsedMs_ =
            static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
        startMark_ = clock_();
    }
    elapsedMs_ = std::max(elapsedMs_, kFloorMs);
    return elapsedMs_;
}

void stopwatch::SetElapsed(std::int32_t milliseconds) {
    elapsedMs_ = milliseconds;
}

}  // namespace zq
