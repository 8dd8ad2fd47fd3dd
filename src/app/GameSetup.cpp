#include "app/GameSetup.h"

#include "base/IniFile.h"
#include "profile/TProfile.h"

namespace zq {

void ReadGameSettings(const std::string& usersFolder, TGameSettings& settings) {
    const IniFile ini(usersFolder + "zqgame.ini");
    constexpr const char* kSection = "General";
    const TGameSettings defaults;
    settings.NewWordSpeed = ini.ReadInteger(kSection, "NewWordSpeed", defaults.NewWordSpeed);
    settings.NewWordSpeedBy = ini.ReadInteger(kSection, "NewWordSpeedBy", defaults.NewWordSpeedBy);
    settings.DropSpeed = ini.ReadInteger(kSection, "DropSpeed", defaults.DropSpeed);
    settings.DropSpeedBy = ini.ReadInteger(kSection, "DropSpeedBy", defaults.DropSpeedBy);
}

void ApplyProfileToGame(const TProfile& profile, TGameSettings& settings) {
    const TFontRecord& font = profile.GameFont;
    const FontStyle style{font.Bold, font.Italic, font.Underline, font.StrikeOut};
    settings.FunSpeed = profile.FunSpeed;
    settings.CellSize = font.Size;
    settings.BackColor = profile.GameBgColor;
    settings.WordColor = font.Color;
    settings.WordFontName = font.Name;
    settings.WordStyle = style;
    settings.TypedStyle = style;
}

}  // namespace zq
