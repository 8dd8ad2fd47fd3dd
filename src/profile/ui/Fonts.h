#pragma once

#include <QFont>

#include "profile/TFontRecord.h"

namespace zq {

// The window font of a stored font record (its colour is not part of a
// QFont: windows take it with ToQColor).
QFont ToQFont(const TFontRecord& record);

// The stored record of a font chosen in a window, in the given colour.
TFontRecord FromQFont(const QFont& font, TColor color);

}  // namespace zq
