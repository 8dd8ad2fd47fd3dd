#pragma once

namespace zq {

// The sound cues of the drill and game events. Each plays only when the
// profile's switch for it (drill sounds, game sounds) is on at the moment of
// the event.
class CueEvents {
public:
    virtual ~CueEvents() = default;
    virtual void LineDone() = 0;
    virtual void WrongKey() = 0;
    virtual void ReturnExpected() = 0;
    virtual void CityShoot() = 0;
    virtual void CityMissShoot() = 0;
    virtual void CityHurt() = 0;
    virtual void DifficultyIncrease() = 0;
};

}  // namespace zq
