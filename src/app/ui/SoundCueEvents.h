#pragma once

#include "app/CueEvents.h"

namespace zq {

// The cues of the drills and the game. Until the sound player joins the
// program, the events pass silently.
class SoundCueEvents : public CueEvents {
public:
    void LineDone() override {}
    void WrongKey() override {}
    void ReturnExpected() override {}
    void CityShoot() override {}
    void CityMissShoot() override {}
    void CityHurt() override {}
    void DifficultyIncrease() override {}
};

}  // namespace zq
