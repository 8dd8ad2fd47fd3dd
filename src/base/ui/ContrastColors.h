#pragma once

#include "base/ContrastPalette.h"

class QWidget;

namespace zq {

// Gives a part of a window the contrast palette of Easy reading: its
// background and text, and its highlight, whatever its state (active,
// inactive, disabled). The drills' boxes and status bar and the game's
// status panel are painted with it alike.
void PaintInContrast(QWidget& part, const ContrastPalette& palette);

}  // namespace zq
