#pragma once

#include "speech/Speaker.h"

namespace zq {

class TProfile;

// The voice of a learner's profile: the language of the program's texts
// (see CatalogueLanguage), so that a voice never reads its texts with the
// pronunciation of another language, at the profile's speech rate, taken
// into TProfile::kSlowestSpeech to kFastestSpeech.
Voice ProfileVoice(const TProfile& profile);

}  // namespace zq
