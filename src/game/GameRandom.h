#pragma once

#include <cstdint>
#include <memory>

namespace zq {

// The random numbers of a game. Injected, so that tests can script them.
class GameRandom {
public:
    virtual ~GameRandom() = default;
    // Seeds the generator from the clock (the city does it when it is built).
    virtual void SeedFromClock() = 0;
    // A uniformly drawn integer from 0 to range - 1; 0 when range is 0 or less.
    virtual std::int32_t Below(std::int32_t range) = 0;
};

// The generator of a real game: std::mt19937 seeded from the clock.
std::unique_ptr<GameRandom> MakeClockSeededRandom();

// True `percent` times in 100.
bool Chance(GameRandom& random, std::int32_t percent);

}  // namespace zq
