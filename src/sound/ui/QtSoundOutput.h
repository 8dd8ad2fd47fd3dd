#pragma once

#include <QByteArray>
#include <functional>

#include "sound/ui/SoundThread.h"

namespace zq {

// The program's sound output: cues play through Qt Multimedia's
// QSoundEffect on a sound thread of their own (see SoundThread and
// SoundEffectOutput). Play may be called from any thread and returns at
// once; the sound system is started by the first cue, not by this object.
// A cue that cannot be played rings the desktop's bell; without a sound
// server or sound device the cues are silent.
//
// Make and destroy it on the user-interface thread. Its end waits at most a
// second for a sound system that does not answer (see SoundThread).
class QtSoundOutput final : public SoundThread {
public:
    using Bell = std::function<void()>;

    // The system's default output and the desktop's bell (QApplication::beep).
    QtSoundOutput();
    // `bell` is called on the user-interface thread; `deviceId` names an
    // output device (a PulseAudio sink), empty for the default output.
    QtSoundOutput(Bell bell, QByteArray deviceId);
};

}  // namespace zq
