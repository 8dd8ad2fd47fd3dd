#include "templates/HandsLook.h"

#include <cstdio>

namespace zq {
namespace {

struct FingerLook {
    const char* name;  // as in the settings keys: "Little" gives "LLittle", "RLittleColor", ...
    int length;        // pixels
    int red, green, blue;
};

// Lengths in the proportions of a real hand; the hands window is as tall as
// the middle finger plus 24 pixels. The colours are mirrored between the
// hands, so that each pair of fingers shares one colour.
constexpr FingerLook kFingers[] = {
    {"Little", 40, 226, 96, 96},   // coral
    {"Ring", 55, 238, 170, 64},    // amber
    {"Middle", 62, 96, 188, 112},  // green
    {"Index", 55, 80, 150, 228},   // blue
    {"Thumb", 30, 172, 120, 220},  // violet
};

// A calm light blue-grey behind the keys.
constexpr int kBackground[3] = {200, 208, 216};

// Colours as the template stores them: red in the lowest byte.
std::string Color(int red, int green, int blue) {
    char text[16];
    std::snprintf(text, sizeof text, "$%02X%02X%02X", blue, green, red);
    return text;
}

}  // namespace

std::vector<std::string> KeyboardAndHandsSettings() {
    std::vector<std::string> lines;
    lines.push_back("bkcolor=" + Color(kBackground[0], kBackground[1], kBackground[2]));
    for (const char hand : {'L', 'R'})
        for (const FingerLook& finger : kFingers)
            lines.push_back(hand + std::string(finger.name) + "=" + std::to_string(finger.length));
    for (const char hand : {'L', 'R'})
        for (const FingerLook& finger : kFingers) lines.push_back(hand + std::string(finger.name) + "x=0");
    for (const char hand : {'L', 'R'})
        for (const FingerLook& finger : kFingers)
            lines.push_back(hand + std::string(finger.name) +
                            "Color=" + Color(finger.red, finger.green, finger.blue));
    return lines;
}

}  // namespace zq
