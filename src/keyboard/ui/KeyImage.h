#pragma once

#include <QImage>

#include <QRect>

#include "keyboard/Bitmap.h"
#include "keyboard/ButtonType.h"

namespace zq {

// A key picture as an image whose pixels of the `transparent` colour let the
// key face show through.
QImage ToKeyImage(const Bitmap& picture, RgbPixel transparent);

// Where a key lies on its keyboard, in the template's pixels.
inline QRect RectOf(const ButtonType& key) {
    const KeyRect& r = key.Rect();
    return {r.Left, r.Top, r.Width, r.Height};
}

}  // namespace zq
