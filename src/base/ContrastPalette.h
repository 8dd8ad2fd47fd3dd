#pragma once

#include "base/Color.h"

namespace zq {

// The colours of a window drawn for learners who see poorly: light text on a
// dark ground, and one bright colour that marks what to do next. The drills,
// the on-screen keyboard, the hands windows and the game each take the
// parts they draw. Colour values are RGB colours of the program's encoding.
struct ContrastPalette {
    TColor background = 0;           // drill boxes and panel, keyboard frame and keys, hands, game area
    TColor text = 0;                 // sample and typed text, key legends, fingers, falling words
    TColor wrongText = 0;            // characters typed wrong
    TColor highlightBackground = 0;  // the next character, the lit key, the finger to use, letters hit
    TColor highlightText = 0;        // text on the highlight

    bool operator==(const ContrastPalette&) const = default;
};

}  // namespace zq
