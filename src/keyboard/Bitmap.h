#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zq {

// A pixel colour as 0xRRGGBB (red in the high byte, as pictures are usually
// written; template colours keep red in the low byte instead).
using RgbPixel = std::uint32_t;

// A picture held without any toolkit: rows from the top, each pixel 0xRRGGBB.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, RgbPixel fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    RgbPixel Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, RgbPixel color) { pixels_[Index(x, y)] = color & 0xFFFFFF; }

    // The colour a key picture treats as transparent. An empty picture has none
    // and answers black.
    RgbPixel BottomLeft() const { return Empty() ? 0 : Pixel(0, height_ - 1); }

    bool operator==(const Bitmap&) const = default;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<RgbPixel> pixels_;
};

// The grey that a highlighted key picture uses as its transparent colour.
inline constexpr RgbPixel kHighlightTransparent = 0x808080;

// Inverts every pixel's colour, then marks the bottom-left pixel with the
// highlight grey, so that the inverted picture is drawn with that grey
// transparent.
void InvertBitmap(Bitmap& bitmap);

}  // namespace zq
