#include "game/GameRandom.h"

#include <chrono>
#include <random>

namespace zq {
namespace {

class ClockSeededRandom : public GameRandom {
public:
    ClockSeededRandom() { SeedFromClock(); }

    void SeedFromClock() override {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        engine_.seed(static_cast<std::mt19937::result_type>(ticks));
    }

    std::int32_t Below(std::int32_t range) override {
        if (range <= 0) return 0;
        return std::uniform_int_distribution<std::int32_t>(0, range - 1)(engine_);
    }

private:
    std::mt19937 engine_;
};

}  // namespace

std::unique_ptr<GameRandom> MakeClockSeededRandom() {
    return std::make_unique<ClockSeededRandom>();
}

bool Chance(GameRandom& random, std::int32_t percent) {
    return random.Below(100) < percent;
}

}  // namespace zq
