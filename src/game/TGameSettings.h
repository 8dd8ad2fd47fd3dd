#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Color.h"
#include "base/ContrastPalette.h"

namespace zq {

// The style flags of a font.
struct FontStyle {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const FontStyle&) const = default;
};

// The look and the timing of the game. The main window fills these in from
// the profile and "zqgame.ini" before each game, the game window adds the
// geometry when it is shown; a game copies them when it is created, so a
// change during a game never reaches the game thread.
struct TGameSettings {
    std::int32_t CellSize = 12;  // pixels: letter pitch, brick side, word font size in points
    std::int32_t Columns = 80;   // cell columns of the playing area
    std::int32_t CityRows = 3;   // brick rows of the city
    TColor BackColor = clBlack;
    std::string WordFontName = "Sans";  // 8-bit text of the system code page
    // The code page of the words (the course's): the word file is read, the
    // words drawn and the keys typed in it.
    int WordsCodePage = 1252;
    TColor WordColor = clWhite;
    TColor TypedLettersColor = 255;  // red: the letters of a word typed so far
    FontStyle WordStyle;
    FontStyle TypedStyle;
    bool FunSpeed = false;  // words fall at three speeds
    // The status line and the captions of the bars, this many times their
    // usual size, and the status panel's colours (none: the desktop's).
    double StatusScale = 1.0;
    std::optional<ContrastPalette> StatusPalette;
    // Milliseconds; at level L new words come every NewWordSpeed - L * NewWordSpeedBy
    // and words drop a pixel every DropSpeed - L * DropSpeedBy.
    std::int32_t NewWordSpeed = 3500;
    std::int32_t NewWordSpeedBy = 250;
    std::int32_t DropSpeed = 250;
    std::int32_t DropSpeedBy = 20;
};

// The settings the next game is created with (written on the UI thread only).
TGameSettings& GameSettings();

// Fixed colours.
inline constexpr TColor TypedColor = 255;  // red: the letters typed so far, unless the settings say otherwise
inline constexpr TColor BrickColor = 32896;  // olive
inline constexpr TColor BulletColor = 255;
inline constexpr TColor kBulletXorMask = 0xAAAAAA;
inline constexpr TColor BulletPenColor = BulletColor ^ kBulletXorMask;  // 11184725

// The word file holds up to this many groups of words.
inline constexpr std::int32_t kWordGroups = 60;

// The percent chance that word group 1..60 is used when its turn comes.
std::int32_t GroupChance(std::int32_t group);

}  // namespace zq
