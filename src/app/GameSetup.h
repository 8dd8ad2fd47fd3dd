#pragma once

#include <string>

#include "game/TGameSettings.h"

namespace zq {

class TProfile;

// "zqgame.ini" (section "General") of the users' folder (ending with "/"):
// the game's timing into the settings, read once when the main window is
// made and fixed for the run. A missing file or key, or a value that is no
// integer, keeps the default.
void ReadGameSettings(const std::string& usersFolder, TGameSettings& settings);

// The look of the profile's game settings, as the main window hands it to
// the game before every game: FunSpeed, CellSize (the game font's size),
// BackColor (GameBgColor), WordColor (the game font's colour), WordFontName,
// WordStyle and TypedStyle (both the game font's style).
void ApplyProfileToGame(const TProfile& profile, TGameSettings& settings);

}  // namespace zq
