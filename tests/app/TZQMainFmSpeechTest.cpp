// The main window's part in speech: when the voice starts, which drills and
// games speak, and how a missing speech service is told.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "../support/TempFolder.h"
#include "AppFakes.h"
#include "app/TSettings.h"
#include "app/TZQMainFm.h"
#include "profile/ProfileStore.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using testing::FakeDrillWindow;
using ::testing::IsEmpty;
using testing::MainFormRig;

class TZQMainFmSpeechTest : public ::testing::Test {
protected:
    TZQMainFmSpeechTest() {
        std::filesystem::create_directories(folder / "Courses/English");
        folder.Write("Courses/English/course.txt", "fj fj\njf jf\n");
        profile.UserName = "Maria";
        profile.Course = "English";
        profile.SpeechRate = -3;
        store.Attach(profile);
    }

    bool Logged(const std::string& call) const {
        return std::find(rig.log.begin(), rig.log.end(), call) != rig.log.end();
    }

    // Opens the course drill and types its first two characters.
    void TypeTwoKeysOfTheCourse() {
        rig.drills.whileShown = [](FakeDrillWindow& window) {
            for (unsigned char key : {'f', 'j'}) window.Drill().InputEditKeyPress(key);
        };
        form.StartCourse();
    }

    TempFolder folder;
    TSettings settings{folder.Dir()};
    ProfileStore store{folder.File("zqc.ini")};
    TProfile profile;
    MainFormRig rig;
    TZQMainFm form{rig.Parts(), settings};
};

TEST_F(TZQMainFmSpeechTest, AProfileWithoutSpeechStartsNoVoiceAndItsDrillsAndGamesSayNothing) {
    form.AttachProfile(profile);
    TypeTwoKeysOfTheCourse();
    form.StartGame();
    rig.games.last->newWord("alpha");
    EXPECT_FALSE(Logged("StartSpeech")) << "nothing of speech is loaded";
    EXPECT_THAT(rig.speech.speaker.said, IsEmpty());
    EXPECT_THAT(rig.speech.timers.made, IsEmpty());
}

TEST_F(TZQMainFmSpeechTest, SpeechSwitchedOnStartsAtLogOnAndTheCourseDrillSpeaksInTheProfilesVoice) {
    profile.Speak = true;
    form.AttachProfile(profile);
    EXPECT_TRUE(Logged("StartSpeech")) << "started before the first key: a service may take seconds";
    TypeTwoKeysOfTheCourse();
    EXPECT_THAT(rig.speech.speaker.Texts(), ElementsAre("line 1", "f", "!j", "!space"));
    EXPECT_EQ(rig.speech.speaker.said.front().voice, (Voice{"en", -3}));
    EXPECT_EQ(std::count(rig.log.begin(), rig.log.end(), "StartSpeech"), 1) << "one voice for the run";
}

TEST_F(TZQMainFmSpeechTest, AfterAPauseTheFingerComesFromTheKeyboardOfTheCourse) {
    profile.Speak = true;
    form.AttachProfile(profile);
    rig.guidance.finger = 6;
    rig.drills.whileShown = [this](FakeDrillWindow&) {
        rig.speech.speaker.said.clear();
        rig.speech.timers.Last().Fire();
    };
    form.StartCourse();
    EXPECT_THAT(rig.speech.speaker.Texts(), ElementsAre("f, right index finger"));
}

TEST_F(TZQMainFmSpeechTest, SpeechSwitchedOnInTheProfileDialogIsReadyWhenTheDialogCloses) {
    form.AttachProfile(profile);
    rig.profileDialogApplies = [](TProfile& edited) {
        edited.Speak = true;
        return true;
    };
    EXPECT_FALSE(Logged("StartSpeech"));
    form.EditProfile();
    EXPECT_TRUE(Logged("StartSpeech"));
    TypeTwoKeysOfTheCourse();
    EXPECT_THAT(rig.speech.speaker.Texts(), ::testing::Contains("!j"));
}

TEST_F(TZQMainFmSpeechTest, AMachineThatCannotSpeakIsToldOnceInAnInformationBox) {
    profile.Speak = true;
    form.AttachProfile(profile);
    ASSERT_TRUE(rig.speech.unavailable);
    rig.speech.unavailable(SpeechProblem::NoSpeechService);
    rig.speech.unavailable(SpeechProblem::ServiceLost);
    ASSERT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.view.informations[0], ::testing::HasSubstr("speech-dispatcher"));
    EXPECT_THAT(rig.view.informations[0], ::testing::HasSubstr("without speech"));
    EXPECT_THAT(rig.view.plainBoxes, IsEmpty());
}

// A box opened over a drill takes neither its keys nor the focus: a screen
// reader does not reach it and the keyboard cannot close it.
TEST_F(TZQMainFmSpeechTest, ASpeechProblemMetDuringADrillIsToldOnceTheDrillHasClosed) {
    profile.Speak = true;
    form.AttachProfile(profile);
    ASSERT_TRUE(rig.speech.unavailable);
    std::size_t boxesWhileTyping = 99;
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        unsigned char key = 'f';
        window.Drill().InputEditKeyPress(key);
        rig.speech.unavailable(SpeechProblem::NoSpeechService);
        key = 'j';
        window.Drill().InputEditKeyPress(key);
        boxesWhileTyping = rig.view.informations.size();
    };
    rig.log.clear();
    form.StartCourse();
    EXPECT_EQ(boxesWhileTyping, 0u);
    ASSERT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.view.informations[0], ::testing::HasSubstr("speech-dispatcher"));
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "ShowDrill", "FreeDrill", "Information"));

    rig.drills.whileShown = [this](FakeDrillWindow&) { rig.speech.unavailable(SpeechProblem::ServiceLost); };
    form.StartCourse();
    EXPECT_EQ(rig.view.informations.size(), 1u) << "once a run";
}

TEST_F(TZQMainFmSpeechTest, ASpeechProblemMetDuringAGameIsToldOnceTheGameWindowHasClosed) {
    profile.Speak = true;
    form.AttachProfile(profile);
    form.StartGame();
    rig.speech.unavailable(SpeechProblem::NoModule);
    EXPECT_THAT(rig.view.informations, IsEmpty()) << "not behind the game window, which stays on top";
    rig.log.clear();
    rig.games.last->closed();
    ASSERT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.log, ElementsAre("ShowMain", "Information"))
        << "over the main window, which has the focus";
}

// Before the first drill, the main window is the one on screen.
TEST_F(TZQMainFmSpeechTest, ASpeechProblemMetBeforeAnyDrillIsToldAtOnceAndNotAgainAfterTheDrill) {
    profile.Speak = true;
    form.AttachProfile(profile);
    rig.speech.unavailable(SpeechProblem::NoSpeechService);
    ASSERT_EQ(rig.view.informations.size(), 1u);
    rig.log.clear();
    form.StartCourse();
    EXPECT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "ShowDrill", "FreeDrill"));
}

TEST_F(TZQMainFmSpeechTest, ACourseOfAnotherCodePageIsHeardInItsOwnCharacters) {
    std::filesystem::create_directories(folder / "Courses/Polski");
    folder.Write("Courses/Polski/course.ini", "[Course]\nCodePage=1250\n");
    folder.Write("Courses/Polski/course.txt", "\xB9z\n");  // "ąz"
    folder.Write("Courses/Polski/Game.txt", "\xBF\xF3\xB3w\n");
    profile.Course = "Polski";
    profile.Speak = true;
    form.AttachProfile(profile);
    form.StartCourse();
    EXPECT_THAT(rig.speech.speaker.Texts(), ElementsAre("line 1", "a ogonek"));
    form.StartGame();
    rig.games.last->newWord("\xBF\xF3\xB3w");
    EXPECT_EQ(rig.speech.speaker.Texts().back(), "\xC5\xBC\xC3\xB3\xC5\x82w");  // "żółw"
}

TEST_F(TZQMainFmSpeechTest, TheGameSaysEachNewWordWhileTheProfileSpeaksAtTheStartOfThatGame) {
    profile.Speak = true;
    form.AttachProfile(profile);
    form.StartGame();
    rig.games.last->newWord("alpha");
    EXPECT_THAT(rig.speech.speaker.Texts(), ElementsAre("alpha"));

    profile.Speak = false;
    rig.games.last->closed();
    form.StartGame();
    rig.games.last->newWord("beta");
    EXPECT_THAT(rig.speech.speaker.Texts(), ElementsAre("alpha"));
}

}  // namespace
}  // namespace zq
