#pragma once

#include <QTimer>

#include "base/OneShotTimer.h"

namespace zq {

// A OneShotTimer over QTimer, for the thread that makes it (which needs an
// event loop).
class QtOneShotTimer final : public OneShotTimer {
public:
    explicit QtOneShotTimer(std::function<void()> timeout);

    void Start(int milliseconds) override { timer_.start(milliseconds); }
    void Stop() override { timer_.stop(); }

    // A factory of these timers.
    static std::unique_ptr<OneShotTimer> Make(std::function<void()> timeout);

private:
    QTimer timer_;
};

}  // namespace zq
