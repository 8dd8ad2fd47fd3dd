#include "keyboard/Bitmap.h"

namespace zq {

Bitmap::Bitmap(int width, int height, RgbPixel fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill & 0xFFFFFF) {}

void InvertBitmap(Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    for (int x = 0; x < bitmap.Width(); ++x) {
        for (int y = 0; y < bitmap.Height(); ++y) bitmap.SetPixel(x, y, bitmap.Pixel(x, y) ^ 0xFFFFFF);
    }
    bitmap.SetPixel(0, bitmap.Height() - 1, kHighlightTransparent);
}

}  // namespace zq
