#include "base/ui/QtOneShotTimer.h"

namespace zq {

QtOneShotTimer::QtOneShotTimer(std::function<void()> timeout) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [timeout = std::move(timeout)] { timeout(); });
}

std::unique_ptr<OneShotTimer> QtOneShotTimer::Make(std::function<void()> timeout) {
    return std::make_unique<QtOneShotTimer>(std::move(timeout));
}

}  // namespace zq
