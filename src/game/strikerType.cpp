#include "game/strikerType.h"

#include <algorithm>

#include "base/CodePage.h"

namespace zq {

GameFont WordFont(const TGameSettings& settings, TColor color, const FontStyle& style) {
    return GameFont{ToUtf8(settings.WordFontName), settings.CellSize, color, style};
}

std::int32_t strikerType::VisibleLen(const TGameSettings& settings) const {
    const std::int32_t columnsLeft = std::max(settings.Columns - Column + 1, 0);
    const auto letters = static_cast<std::int32_t>(std::min<std::size_t>(Text.size(), columnsLeft));
    return std::clamp(Len, 0, letters);
}

void strikerType::DrawLetters(GameSurface& surface, const TGameSettings& settings, std::int32_t first,
                              std::int32_t last, const GameFont& font) const {
    last = std::min(last, VisibleLen(settings));
    for (std::int32_t i = first; i <= last; ++i) {
        const auto code = static_cast<unsigned char>(Text[static_cast<std::size_t>(i - 1)]);
        surface.DrawChar(X + (i - 1) * settings.CellSize, Y, CharOfCode(code, settings.WordsCodePage), font,
                         settings.BackColor);
    }
}

void strikerType::Draw(GameSurface& surface, const TGameSettings& settings) const {
    const GameFont untyped = WordFont(settings, settings.WordColor, settings.WordStyle);
    if (Typed < 0) {
        DrawLetters(surface, settings, 1, Len, untyped);
        return;
    }
    DrawLetters(surface, settings, 1, Typed,
                WordFont(settings, settings.TypedLettersColor, settings.TypedStyle));
    DrawLetters(surface, settings, Typed + 1, Len, untyped);
}

void strikerType::Erase(GameSurface& surface, const TGameSettings& settings) const {
    DrawLetters(surface, settings, 1, Len, WordFont(settings, settings.BackColor, settings.WordStyle));
}

void strikerType::MoveDown(GameSurface& surface, const TGameSettings& settings) {
    Erase(surface, settings);
    ++Y;
    Draw(surface, settings);
}

}  // namespace zq
