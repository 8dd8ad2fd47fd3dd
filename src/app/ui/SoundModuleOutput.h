#pragma once

#include <memory>
#include <string>

#include "sound/ui/SoundThread.h"

namespace zq {

// The program's sound output: cues play on a sound thread of their own
// through the sound effects module "zq-sound-effects.so" of the program's
// modules folder, which that thread loads when this object is made (with the
// main window). So the logon dialog starts without Qt Multimedia and the
// sound server's libraries. Without the module the cues are silent.
//
// Make and destroy it on the user-interface thread. Its end waits at most a
// second for a sound system that does not answer (see SoundThread).
class SoundModuleOutput final : public SoundThread {
public:
    // The module of `modulesFolder` (ending with "/").
    static std::unique_ptr<SoundModuleOutput> FromModulesFolder(const std::string& modulesFolder);
    // The module at `modulePath` (a file name without its ".so" will do).
    explicit SoundModuleOutput(std::string modulePath);
};

}  // namespace zq
