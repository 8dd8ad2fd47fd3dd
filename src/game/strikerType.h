#pragma once

#include <cstdint>
#include <string>

#include "game/GameSurface.h"
#include "game/TGameSettings.h"

namespace zq {

enum WordState : std::int32_t {
    wsFalling = 0,  // falls
    wsShot = 2,     // typed completely: stands still until its bullet arrives
    wsGone = 3,     // removed at the next drop step
};

// A falling word. It covers the cell columns Column .. Column + Len - 1; for
// every test its bottom edge is Y + CellSize.
class strikerType {
public:
    std::string Text;         // 8-bit text of the system code page
    std::int32_t Len = 0;     // letters of Text
    std::int32_t X = 0;       // left edge, pixels
    std::int32_t Y = 0;       // top edge, pixels; 0 is the top of the playing area
    std::int32_t Column = 1;  // cell column of the first letter, from 1
    std::int32_t Speed = 2;   // 1, 2 or 3: which drop steps move it
    std::int32_t Typed = -1;  // -1 while not being typed, else letters typed so far
    std::int32_t State = wsFalling;

    // The letters that lie inside the playing area: a word longer than the
    // columns is cut at the right edge.
    std::int32_t VisibleLen(const TGameSettings& settings) const;

    // Letters typed so far in TypedLettersColor and TypedStyle, the others in
    // WordColor and WordStyle.
    void Draw(GameSurface& surface, const TGameSettings& settings) const;
    // Paints every letter cell in the background colour.
    void Erase(GameSurface& surface, const TGameSettings& settings) const;
    // Erase, one pixel down, Draw.
    void MoveDown(GameSurface& surface, const TGameSettings& settings);

private:
    void DrawLetters(GameSurface& surface, const TGameSettings& settings, std::int32_t first,
                     std::int32_t last, const GameFont& font) const;
};

// The word font in a colour and a style.
GameFont WordFont(const TGameSettings& settings, TColor color, const FontStyle& style);

}  // namespace zq
