#pragma once

#include <cstdint>
#include <string>

#include "base/Colour.h"

namespace zq {

class TProfile;

// The game's timing, from "zqgame.ini" (section "General") in the program
// folder, read once when the main window is made and fixed for the run. At
// difficulty level L a new word comes every NewWordSpeed - L x NewWordSpeedBy
// milliseconds and a falling step takes DropSpeed - L x DropSpeedBy.
struct GameTimings {
    std::int32_t NewWordSpeed = 3500;
    std::int32_t NewWordSpeedBy = 250;
    std::int32_t DropSpeed = 250;
    std::int32_t DropSpeedBy = 20;

    bool operator==(const GameTimings&) const = default;
};

// A missing file or key, or a value that is no integer, gives the default.
GameTimings ReadGameSettings(const std::string& appDir);

struct GameFontStyle {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const GameFontStyle&) const = default;
};

// What the game is given before every game: the look from the profile's
// game settings, and the run's timing.
struct GameSettings {
    bool FunSpeed = false;
    std::int32_t CellSize = 0;  // the game font's size in points
    TColor BackColor = 0;
    TColor WordColor = 0;
    std::string WordFontName;  // 8-bit text of the system code page
    GameFontStyle WordStyle;
    GameFontStyle TypedStyle;  // the same as WordStyle
    GameTimings Timings;

    bool operator==(const GameSettings&) const = default;
};

GameSettings GameSettingsFor(const TProfile& profile, const GameTimings& timings);

}  // namespace zq
