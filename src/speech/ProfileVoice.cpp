#include "speech/ProfileVoice.h"

#include <algorithm>

#include "base/Translation.h"
#include "profile/TProfile.h"

namespace zq {

Voice ProfileVoice(const TProfile& profile) {
    return {CatalogueLanguage(),
            std::clamp(profile.SpeechRate, TProfile::kSlowestSpeech, TProfile::kFastestSpeech)};
}

}  // namespace zq
