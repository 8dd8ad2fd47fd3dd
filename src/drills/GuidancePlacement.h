#pragma once

#include "drills/DrillViews.h"

namespace zq {

// The frames (title bars and borders included, in screen coordinates) of a
// drill window and of its guidance windows. A window that is not there has
// an empty frame and takes no room.
struct GuidanceFrames {
    DrillRect drill;
    DrillRect keyboard;
    DrillRect leftHand;
    DrillRect rightHand;
};

inline constexpr int kKeyboardGap = 10;  // between the drill window and the keyboard
inline constexpr int kHandsGap = 5;      // between the keyboard and a hands window

// Where the windows go: the keyboard 10 pixels below the drill window and
// centred under it, the hands windows 5 pixels to its left and right, at its
// top. Then every window is kept wholly on the screen, as far as it is not
// larger than the screen:
// - the keyboard and the hands move sideways together; when they are wider
//   than the screen together, the hands go to the screen's edges, level with
//   the keyboard's bottom, where they cover the fewest letter keys;
// - when they reach below the screen, the drill window moves up first, as far
//   as the screen's top, and only then do they move up over it.
// Only the positions change, never the sizes.
GuidanceFrames PlaceGuidanceWindows(const DrillRect& screen, GuidanceFrames frames);

}  // namespace zq
