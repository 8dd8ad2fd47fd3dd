#pragma once

#include <functional>
#include <memory>

namespace zq {

// A timer that calls its handler once, on the thread that made it, when the
// time it was last started with has passed. Starting it again while it runs
// waits afresh; stopping it, or destroying it, calls nothing. The rules use
// it through this interface; the windows make it over the toolkit's timer,
// the tests over a fake.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
};

// Makes a timer that calls `timeout`.
using OneShotTimerFactory = std::function<std::unique_ptr<OneShotTimer>(std::function<void()> timeout)>;

}  // namespace zq
