#pragma once

#include <QColor>
#include <QPalette>

#include "base/Color.h"

namespace zq {

// The colour a window draws for a stored colour value: RGB values as they
// are, theme colours from the palette (the application's palette unless one
// is given), clNone as transparent, and clDefault as `defaultColor`.
QColor ToQColor(TColor color, const QColor& defaultColor = QColor());
QColor ToQColor(TColor color, const QPalette& palette, const QColor& defaultColor = QColor());

// The palette colour that stands for a theme colour index; black for an
// index the desktop does not define.
QColor ThemeColor(int index, const QPalette& palette);

// The stored value of a colour chosen in a window (its RGB, opaque).
TColor FromQColor(const QColor& color);

}  // namespace zq
