#include "app/GameSetup.h"

#include "profile/TProfile.h"

namespace zq {

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
