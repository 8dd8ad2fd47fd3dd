#pragma once

#include <cstdint>

#include "game/GameSurface.h"
#include "game/TGameSettings.h"
#include "game/strikerType.h"

namespace zq {

// A bullet fired at a word that has been typed completely. It rises 6 pixels
// a step, drawn in XOR mode so that each step removes the previous image,
// and makes the word go when it reaches the word's bottom edge.
class bulletType {
public:
    // Starts at `startY`, below the middle of the target's visible letters.
    bulletType(GameSurface& surface, std::int32_t startY, strikerType& target, const TGameSettings& settings);

    GameSurface& Surface;
    strikerType* Target;  // not owned; cleared when the word is discarded before the bullet arrives
    bool Done = false;    // arrived
    std::int32_t Y;       // top edge
    std::int32_t X;       // left edge

    void Step(const TGameSettings& settings);
    // The word was discarded while the bullet flew: the bullet is done.
    void ForgetTarget() {
        Target = nullptr;
        Done = true;
    }

    static constexpr std::int32_t kRise = 6;
};

}  // namespace zq
