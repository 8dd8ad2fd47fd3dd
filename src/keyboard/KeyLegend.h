#pragma once

#include <cstdint>
#include <vector>

#include "keyboard/Bitmap.h"

namespace zq {

// How much of each pixel of a key picture belongs to its legend (the
// characters or words printed on the key), from 0 (none) to 255 (the
// legend's own colour), so that the legend can be drawn again in another
// colour on a key of another colour. The cap around it (outline, rim,
// shading, corners) and its face are no part of it.
class KeyLegend {
public:
    KeyLegend() = default;
    // `face` is the colour of the key's face in the picture.
    KeyLegend(const Bitmap& picture, RgbPixel face);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint8_t Cover(int x, int y) const { return cover_[static_cast<std::size_t>(y) * width_ + x]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> cover_;
};

}  // namespace zq
