#include "sound/SoundCues.h"

#include <utility>

namespace zq {

SoundCues::SoundCues(const TProfile& profile, TWavePlayer& player, MediaSettings media)
    : profile_(profile), player_(player), media_(std::move(media)) {}

void SoundCues::LineDone() {
    DrillCue(media_.WordOk);
}
void SoundCues::WrongKey() {
    DrillCue(media_.WordErr);
}
void SoundCues::ReturnExpected() {
    DrillCue(media_.WordOk);
}

void SoundCues::CityShoot() {
    GameCue(media_.GameCityShoot);
}
void SoundCues::CityMissShoot() {
    GameCue(media_.GameCityMissShoot);
}
void SoundCues::CityHurt() {
    GameCue(media_.GameCityHurt);
}
void SoundCues::DifficultyIncrease() {
    GameCue(media_.GameDifficultyIncrease);
}

void SoundCues::DrillCue(const std::string& path8) {
    if (profile_.DrillSoundEnabled) player_.PlayCue(path8);
}

void SoundCues::GameCue(const std::string& path8) {
    if (profile_.GameSoundEnabled) player_.PlayCue(path8);
}

}  // namespace zq
