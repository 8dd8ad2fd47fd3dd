#pragma once

#include <string>

#include "sound/ui/SoundThread.h"

namespace zq {

// The program's sound output: cues play on a sound thread of their own
// through the sound effects module in the program folder, which that thread
// loads when this object is made (with the main window). So the logon dialog
// starts without Qt Multimedia and the sound server's libraries. Without the
// module the cues are silent.
//
// Make and destroy it on the user-interface thread. Its end waits at most a
// second for a sound system that does not answer (see SoundThread).
class SoundModuleOutput final : public SoundThread {
public:
    SoundModuleOutput();
    // The module at `modulePath` (a file name without its ".so" will do).
    explicit SoundModuleOutput(std::string modulePath);
};

}  // namespace zq
