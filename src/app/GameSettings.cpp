#include "app/GameSettings.h"

#include "base/IniFile.h"
#include "profile/TProfile.h"

namespace zq {

GameTimings ReadGameSettings(const std::string& appDir) {
    const IniFile ini(appDir + "zqgame.ini");
    const GameTimings defaults;
    constexpr const char* kSection = "General";
    return {
        ini.ReadInteger(kSection, "NewWordSpeed", defaults.NewWordSpeed),
        ini.ReadInteger(kSection, "NewWordSpeedBy", defaults.NewWordSpeedBy),
        ini.ReadInteger(kSection, "DropSpeed", defaults.DropSpeed),
        ini.ReadInteger(kSection, "DropSpeedBy", defaults.DropSpeedBy),
    };
}

GameSettings GameSettingsFor(const TProfile& profile, const GameTimings& timings) {
    const TFontRecord& font = profile.GameFont;
    const GameFontStyle style{font.Bold, font.Italic, font.Underline, font.StrikeOut};
    GameSettings settings;
    settings.FunSpeed = profile.FunSpeed;
    settings.CellSize = font.Size;
    settings.BackColor = profile.GameBgColor;
    settings.WordColor = font.Color;
    settings.WordFontName = font.Name;
    settings.WordStyle = style;
    settings.TypedStyle = style;
    settings.Timings = timings;
    return settings;
}

}  // namespace zq
