#pragma once

#include <cstdint>

#include "base/Color.h"

namespace zq {

// A colour between `from` (at position 0) and `to` (at `maximum`): each of
// red, green and blue moves by position x ((to - from) div maximum), the
// division rounding towards zero first, so the end colour is only nearly
// reached. Red to lime at 50 of 100 gives 25755, at 100 gives 51255.
TColor BlendColor(TColor from, TColor to, std::int32_t position, std::int32_t maximum);

// The three bars above the playing area, 0 to 100 each.
struct StatusBarValues {
    std::int32_t progress = 0;       // share of the quota resolved (shot down or lost)
    std::int32_t invaderLife = 100;  // share of the quota not yet shot down
    std::int32_t cityLife = 100;     // share of the bricks still standing
    // The fill colours: City Life from red towards lime, Invader Life from
    // red towards aqua.
    TColor cityLifeColor = 0;
    TColor invaderLifeColor = 0;
};

// What the bars show of a game: set at its start, then after every status
// line.
class StatusBars {
public:
    static constexpr std::int32_t kMaximum = 100;

    // The bars of a game with `quota` words and a city of `bricks` bricks:
    // Progress 0, Invader Life 100, City Life 100.
    StatusBarValues Start(std::int32_t quota, std::int32_t bricks);
    // A city built without bricks shows no City Life, and a game without a
    // quota no progress, rather than dividing by zero.
    StatusBarValues Update(std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses) const;

private:
    std::int32_t quota_ = 0;
    std::int32_t initialBricks_ = 0;
};

}  // namespace zq
