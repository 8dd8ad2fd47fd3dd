#pragma once

#include <QByteArray>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "sound/TWavePlayer.h"

class QSoundEffect;

namespace zq {

// Plays cues through Qt Multimedia: one QSoundEffect per file, made the
// first time the file is played (the sound system starts with the first
// cue, never at start-up) and kept for the run.
//
// Qt's sound objects belong to the thread that makes them: make, use and
// destroy this object on one thread, which runs an event loop. Starting an
// effect waits for the sound server, so the program keeps this object on a
// thread of its own (see QtSoundOutput).
class SoundEffectOutput final : public SoundOutput {
public:
    using Bell = std::function<void()>;

    // `bell` is called, on this object's thread, for a cue that cannot be
    // played. `deviceId` names an output device (a PulseAudio sink); empty,
    // or a device that does not exist, means the system's default output.
    explicit SoundEffectOutput(Bell bell, QByteArray deviceId = {});
    ~SoundEffectOutput() override;

    void Play(const std::string& path8) override;

    // Whether the cue of path8 is sounding (or loading to sound) now.
    bool IsSounding(const std::string& path8) const;

private:
    QSoundEffect* EffectFor(const std::string& path8);
    std::unique_ptr<QSoundEffect> MakeEffect(const std::string& path8);
    void CutOff();

    Bell bell_;
    QByteArray deviceId_;
    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* sounding_ = nullptr;  // the cue played last, until cut off or failed
};

}  // namespace zq
