#pragma once

#include <QImage>

#include "keyboard/Bitmap.h"

namespace zq {

// A key picture as an image whose pixels of the `transparent` colour let the
// key face show through.
QImage ToKeyImage(const Bitmap& picture, RgbPixel transparent);

}  // namespace zq
