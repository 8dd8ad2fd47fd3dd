#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/Color.h"
#include "stats/FingerFigures.h"

namespace zq {

struct FingerSettings;

// What the progress window's picture of the two hands shows: a bar for each
// finger, as long as the template draws it, in the colour of its error rate
// (as the keyboard's keys), with its speed and accuracy; and the same
// figures for each hand. Texts are UTF-8.
struct HandsPicture {
    struct Finger {
        std::int32_t length = 0;      // pixels, as the template gives it (0: none given)
        std::optional<TColor> color;  // none for a finger that typed nothing
        std::string speed;            // "240", keys per minute; empty without a time
        std::string accuracy;         // "97 %"; empty without strokes
        std::string tip;              // what pointing at the finger tells
    };
    std::array<Finger, 10> fingers{};      // by finger number
    std::array<std::string, 2> hands{};    // "Left hand", "Right hand"
    std::array<std::string, 2> figures{};  // of each hand: "231 keys/min, 96 %"; empty without strokes
};

HandsPicture MakeHandsPicture(const FingerFigures& figures, const FingerSettings& settings);

}  // namespace zq
