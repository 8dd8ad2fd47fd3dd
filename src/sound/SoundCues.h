#pragma once

#include "profile/TProfile.h"
#include "sound/MediaSettings.h"
#include "sound/TWavePlayer.h"

namespace zq {

// Turns the events of the drills and of the game into sound cues. Each
// handler reads its switch of the profile at the moment of the event: the
// drill cues play only with DrillSoundEnabled, the game cues only with
// GameSoundEnabled; a switched-off cue plays nothing at all.
//
// The drill handlers run on the user-interface thread. The game handlers may
// also run on the game thread; they return at once (see TWavePlayer).
class SoundCues {
public:
    // Keeps the profile and the player by reference and the cue paths as
    // they are now: a changed "media.ini" counts from the next run.
    SoundCues(const TProfile& profile, TWavePlayer& player, MediaSettings media);

    // A drill line is completed: "word_ok".
    void LineDone();
    // A wrong key in a drill: "word_err".
    void WrongKey();
    // The paragraph drill expects a line end next: "word_ok".
    void ReturnExpected();

    // A word is shot down: "Game_CityShoot".
    void CityShoot();
    // A wrong key while a word is being typed: "Game_CityMissShoot".
    void CityMissShoot();
    // A word hits the city: "Game_CityHurt".
    void CityHurt();
    // The game's difficulty level changes: "Game_DifficultyIncrease".
    void DifficultyIncrease();

private:
    void DrillCue(const std::string& path8);
    void GameCue(const std::string& path8);

    const TProfile& profile_;
    TWavePlayer& player_;
    const MediaSettings media_;
};

}  // namespace zq
