#pragma once

#include "base/Color.h"

namespace zq {

// The light an RGB colour gives, from 0 (black) to 1 (white), as
// accessibility guidelines measure it.
double RelativeLuminance(TColor color);

// The contrast ratio of two RGB colours, from 1 (the same brightness) to 21
// (black and white), as accessibility guidelines measure it: text needs at
// least 4.5, text meant for poor sight at least 7.
double ContrastRatio(TColor first, TColor second);

// Black or white, whichever stands out more on `ground`: on any colour the
// better of the two reads at a contrast of 4.5 or more.
TColor ReadableInkOn(TColor ground);

}  // namespace zq
