#include "sound/TWavePlayer.h"

namespace zq {

TWavePlayer::TWavePlayer(SoundOutput& output) : output_(output) {}

void TWavePlayer::PlayCue(const std::string& path8) {
    const std::lock_guard lock(mutex_);
    if (path8 != fileName_) fileName_ = path8;
    PlayCurrentFile();
}

std::string TWavePlayer::FileName() const {
    const std::lock_guard lock(mutex_);
    return fileName_;
}

bool TWavePlayer::PlayCurrentFile() {
    if (fileName_.empty()) return false;
    output_.Play(fileName_);
    return true;
}

}  // namespace zq
