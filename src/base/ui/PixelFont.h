#pragma once

#include <QFont>
#include <QString>

namespace zq {

// A font of `family` whose characters are `pixels` high, as the windows'
// fixed layouts give their fonts.
inline QFont FontOfHeight(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace zq
