#pragma once

#include <cstdint>
#include <functional>

namespace zq {

// A source of milliseconds that only moves forward. The drills time lines
// with it, so a line typed across midnight or a change of the wall clock is
// still timed right.
using MillisecondClock = std::function<std::int64_t()>;

// Milliseconds of std::chrono::steady_clock.
std::int64_t SteadyMilliseconds();

// A millisecond stopwatch whose elapsed time is never reported below 25 ms,
// so that keys-per-minute divisions never divide by zero or by a time no
// person can type in.
class stopwatch {
public:
    static constexpr std::int32_t kFloorMs = 25;

    explicit stopwatch(MillisecondClock clock = SteadyMilliseconds);

    // Runs from now on; the elapsed time so far is kept.
    void Start();
    // Ends a run: the elapsed time becomes the length of this run alone.
    void Stop();
    // The elapsed time (at least kFloorMs); a running watch adds the time
    // since the last reading.
    std::int32_t Elapsed();
    void SetElapsed(std::int32_t milliseconds);

    bool Stopped() const { return stopped_; }
    // The clock's reading now, for times between keys.
    std::int64_t Now() const { return clock_(); }
    void SetClock(MillisecondClock clock) { clock_ = std::move(clock); }

private:
    std::int32_t MillisecondsSince(std::int64_t mark) const;

    MillisecondClock clock_;
    std::int32_t elapsedMs_ = 0;
    std::int64_t startMark_ = 0;
    bool stopped_ = true;
};

}  // namespace zq
