#include "app/GameSetup.h"

#include "profile/EasyReading.h"
#include "profile/TProfile.h"

namespace zq {

void ApplyProfileToGame(const TProfile& profile, TGameSettings& settings) {
    const EasyReading reading(profile.EasyReading);
    const TFontRecord font = reading.Font(profile.GameFont);
    const FontStyle style{font.Bold, font.Italic, font.Underline, font.StrikeOut};
    settings.FunSpeed = profile.FunSpeed;
    settings.CellSize = font.Size;
    settings.BackColor = profile.GameBgColor;
    settings.WordColor = font.Color;
    settings.TypedLettersColor = TypedColor;
    settings.WordFontName = font.Name;
    settings.WordStyle = style;
    settings.TypedStyle = style;
    settings.StatusScale = reading.StatusScale();
    settings.StatusPalette = reading.Palette();
    if (const std::optional<ContrastPalette> palette = reading.Palette()) {
        settings.BackColor = palette->background;
        settings.TypedLettersColor = palette->highlightBackground;
    }
}

}  // namespace zq
