#pragma once

#include <string>

#include "game/TGameSettings.h"

namespace zq {

class TProfile;

// The look of the profile's game settings, as the main window hands it to
// the game before every game: FunSpeed, CellSize (the game font's size),
// BackColor (GameBgColor), WordColor (the game font's colour), WordFontName,
// WordStyle and TypedStyle (both the game font's style); TypedLettersColor
// the game's own red; StatusScale and StatusPalette the status panel's look.
// With Easy reading the font is large print, the status panel's texts as
// large as a drill's status bar, and the colours those of the contrast
// palette (see EasyReading).
void ApplyProfileToGame(const TProfile& profile, TGameSettings& settings);

}  // namespace zq
