#pragma once

#include <cstdint>
#include <string>

#include "base/Color.h"
#include "game/TGameSettings.h"

namespace zq {

// A rectangle of the playing area: right and bottom are not part of it.
struct GameRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const GameRect&) const = default;
};

struct GameFont {
    std::string nameUtf8;
    std::int32_t sizePoints = 0;
    TColor color = 0;  // an RGB colour of the program's encoding
    FontStyle style;

    bool operator==(const GameFont&) const = default;
};

enum class PenMode {
    Replace,  // the pen's pixels replace those under them
    Xor,      // combined by exclusive or: drawing the same shape twice restores the pixels
};

struct GamePen {
    TColor color = 0;
    std::int32_t width = 1;  // pixels, centred on the outline
    PenMode mode = PenMode::Replace;

    bool operator==(const GamePen&) const = default;
};

// The playing area as the game draws on it. The game draws straight onto it
// and only ever paints over what it drew before, so whatever the surface
// draws must stay until it is drawn over (a window keeps it in a picture and
// shows that picture when it repaints).
//
// The game calls it on the game thread and on the UI thread, never on both
// at once (see threadType.h).
class GameSurface {
public:
    virtual ~GameSurface() = default;

    // One character with its top left corner at (x, y), over an opaque
    // background: the whole character cell is painted in `background` first.
    virtual void DrawChar(std::int32_t x, std::int32_t y, char32_t ch, const GameFont& font,
                          TColor background) = 0;
    // Fills `rect` with `colour`.
    virtual void FillRect(const GameRect& rect, TColor color) = 0;
    // A rectangle outlined with `pen` and filled with `fill`; in PenMode::Xor
    // both outline and inside are combined with the pixels under them, so a
    // second drawing at the same place restores what was there.
    virtual void DrawRect(const GameRect& rect, const GamePen& pen, TColor fill) = 0;
    // The height of the playing area in pixels.
    virtual std::int32_t Height() const = 0;
};

}  // namespace zq
