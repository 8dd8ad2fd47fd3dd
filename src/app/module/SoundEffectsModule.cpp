// The sound effects module, "zq-sound-effects.so" in the program folder: the
// part of the sound output that needs Qt Multimedia, with the sound server's
// libraries behind it. The program loads it on its sound thread once the
// main window is made (see SoundModuleOutput), so that the logon dialog
// starts without it and a machine without it runs silently.
#include "app/module/SoundEffectsModule.h"

#include "sound/ui/SoundEffectOutput.h"

extern "C" Q_DECL_EXPORT zq::SoundOutput* ZqMakeSoundEffectOutput(void (*bell)()) {
    return new zq::SoundEffectOutput([bell] { bell(); });
}
