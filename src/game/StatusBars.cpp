#include "game/StatusBars.h"

namespace zq {
namespace {

std::int32_t BlendChannel(std::int32_t from, std::int32_t to, std::int32_t position, std::int32_t maximum) {
    return from + position * ((to - from) / maximum);
}

std::int32_t ShareOf(std::int64_t part, std::int64_t whole) {
    if (whole <= 0) return 0;
    return static_cast<std::int32_t>(part * StatusBars::kMaximum / whole);
}

}  // namespace

TColor BlendColor(TColor from, TColor to, std::int32_t position, std::int32_t maximum) {
    if (maximum == 0) return from;
    const std::int32_t red = BlendChannel(RedOf(from), RedOf(to), position, maximum);
    const std::int32_t green = BlendChannel(GreenOf(from), GreenOf(to), position, maximum);
    const std::int32_t blue = BlendChannel(BlueOf(from), BlueOf(to), position, maximum);
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

StatusBarValues StatusBars::Start(std::int32_t quota, std::int32_t bricks) {
    quota_ = quota;
    initialBricks_ = bricks;
    return StatusBarValues{};
}

StatusBarValues StatusBars::Update(std::int32_t bricksLeft, std::int32_t hits, std::int32_t losses) const {
    StatusBarValues bars;
    bars.cityLife = ShareOf(bricksLeft, initialBricks_);
    bars.progress = ShareOf(std::int64_t{hits} + losses, quota_);
    bars.cityLifeColor = BlendColor(clRed, clLime, bars.cityLife, kMaximum);
    bars.invaderLife = ShareOf(std::int64_t{quota_} - hits, quota_);
    bars.invaderLifeColor = BlendColor(clRed, clAqua, bars.invaderLife, kMaximum);
    return bars;
}

}  // namespace zq
