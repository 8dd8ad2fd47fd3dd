#include "keyboard/ui/KeyImage.h"

namespace zq {

QImage ToKeyImage(const Bitmap& picture, RgbPixel transparent) {
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const RgbPixel color = picture.Pixel(x, y);
            line[x] = color == transparent ? qRgba(0, 0, 0, 0) : (0xFF000000u | color);
        }
    }
    return image;
}

}  // namespace zq
