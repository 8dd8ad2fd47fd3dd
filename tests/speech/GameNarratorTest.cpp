#include "speech/GameNarrator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "SpeechFakes.h"
#include "SpokenLanguage.h"
#include "base/CodePage.h"
#include "profile/TProfile.h"
#include "speech/ProfileVoice.h"
#include "speech/SpeechProblemMessage.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using testing::RecordingSpeaker;
using testing::SpokenLanguage;

TEST(GameNarrator, EveryNewWordIsSaidInTurnOnlyWhileASpeakerIsSet) {
    RecordingSpeaker speaker;
    GameNarrator narrator;
    narrator.NewWord("silent");
    narrator.SpeakWith(&speaker, {"fr", -2});
    // Launched on the game's own thread, in the code page of the texts.
    std::thread game([&narrator] { narrator.NewWord("caf\xE9"); });
    game.join();
    narrator.NewWord("");
    narrator.SpeakWith(nullptr, {});
    narrator.NewWord("after");
    EXPECT_THAT(speaker.Texts(), ElementsAre("caf\xC3\xA9"));
    EXPECT_EQ(speaker.said.at(0).voice, (Voice{"fr", -2}));
}

TEST(GameNarrator, TheWordsAreReadInTheCodePageOfTheirCourse) {
    RecordingSpeaker speaker;
    GameNarrator narrator;
    narrator.SpeakWith(&speaker, {"pl", 0}, 1250);
    narrator.NewWord("\xBF\xF3\xB3w");
    EXPECT_THAT(speaker.Texts(), ElementsAre("\xC5\xBC\xC3\xB3\xC5\x82w"));  // "żółw"
}

TEST(ProfileVoice, SpeaksTheLanguageOfTheProgramsTextsAtTheProfilesRateWithinItsRange) {
    TProfile profile;
    profile.SpeechRate = 4;
    {
        const SpokenLanguage english("C");
        EXPECT_EQ(ProfileVoice(profile), (Voice{"en", 4}));
    }
    {
        const SpokenLanguage french("fr_FR");
        EXPECT_EQ(ProfileVoice(profile).language, "fr");
    }
    profile.SpeechRate = 40;
    EXPECT_EQ(ProfileVoice(profile).rate, TProfile::kFastestSpeech);
    profile.SpeechRate = -11;
    EXPECT_EQ(ProfileVoice(profile).rate, TProfile::kSlowestSpeech);
}

TEST(SpeechProblemMessage, SaysWhatIsMissingAndThatTheProgramGoesOn) {
    const SpokenLanguage english("C");
    const std::string noService = SpeechProblemMessage(SpeechProblem::NoSpeechService);
    EXPECT_THAT(noService, ::testing::HasSubstr("speech-dispatcher"));
    EXPECT_THAT(noService, ::testing::EndsWith("The program goes on without speech."));
    EXPECT_THAT(SpeechProblemMessage(SpeechProblem::NoSpeechPlugin),
                ::testing::HasSubstr("qt6-speech-speechd-plugin"));
    EXPECT_NE(SpeechProblemMessage(SpeechProblem::NoModule),
              SpeechProblemMessage(SpeechProblem::ServiceLost));
}

}  // namespace
}  // namespace zq
