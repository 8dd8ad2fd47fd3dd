#include "game/bulletType.h"

namespace zq {

bulletType::bulletType(GameSurface& surface, std::int32_t startY, strikerType& target,
                       const TGameSettings& settings)
    : Surface(surface),
      Target(&target),
      Y(startY),
      X(target.X + (target.VisibleLen(settings) * settings.CellSize) / 2) {}

void bulletType::Step(const TGameSettings& settings) {
    if (Target == nullptr) return;
    if (Target->Y + settings.CellSize < Y) {
        if (Done) return;
        const GamePen pen{BulletPenColor, 3, PenMode::Xor};
        Surface.DrawRect(GameRect{X, Y, X + 4, Y + 8}, pen, settings.BackColor);
        Y -= kRise;
        Surface.DrawRect(GameRect{X, Y, X + 4, Y + 8}, pen, settings.BackColor);
        return;
    }
    // Arrived: wipe the bullet and let the word go.
    Surface.DrawRect(GameRect{X, Y, X + 5, Y + 9}, GamePen{settings.BackColor, 3, PenMode::Replace},
                     settings.BackColor);
    Target->State = wsGone;
    Done = true;
}

}  // namespace zq
