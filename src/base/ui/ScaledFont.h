#pragma once

#include <QFont>

namespace zq {

// `font` `scale` times as large: its point size, or its pixel size for a
// font sized in pixels (which has no point size).
inline QFont ScaledFont(QFont font, double scale) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(qRound(font.pixelSize() * scale));
    }
    return font;
}

}  // namespace zq
