#pragma once

// What the sound effects module offers the program (see SoundEffectsModule.cpp).

#include <QtGlobal>

#include "sound/TWavePlayer.h"

// The name of the module's one function.
inline constexpr const char* kMakeSoundEffectOutput = "ZqMakeSoundEffectOutput";

// A sound output over Qt Multimedia for the calling thread (the sound
// thread), owned by the caller; `bell` rings for a cue that cannot be played
// and is called on that thread.
using MakeSoundEffectOutput = zq::SoundOutput* (*)(void (*bell)());
