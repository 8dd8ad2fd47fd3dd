#include "sound/SoundCues.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SoundFakes.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

MediaSettings SixCues() {
    MediaSettings media;
    media.WordBlank = "/m/blank.wav";
    media.WordErr = "/m/err.wav";
    media.WordOk = "/m/ok.wav";
    media.GameCityHurt = "/m/hurt.wav";
    media.GameCityShoot = "/m/shoot.wav";
    media.GameCityMissShoot = "/m/miss.wav";
    media.GameDifficultyIncrease = "/m/level.wav";
    return media;
}

class SoundCuesTest : public ::testing::Test {
protected:
    void RaiseEveryEvent() {
        cues_.LineDone();
        cues_.WrongKey();
        cues_.ReturnExpected();
        cues_.CityShoot();
        cues_.CityMissShoot();
        cues_.CityHurt();
        cues_.DifficultyIncrease();
    }

    TProfile profile_;
    testing::RecordingSoundOutput output_;
    TWavePlayer player_{output_};
    SoundCues cues_{profile_, player_, SixCues()};
};

TEST_F(SoundCuesTest, DrillSwitchAloneSoundsTheDrillCuesOnly) {
    profile_.DrillSoundEnabled = true;
    RaiseEveryEvent();
    EXPECT_THAT(output_.played, ElementsAre("/m/ok.wav", "/m/err.wav", "/m/ok.wav"));
}

TEST_F(SoundCuesTest, GameSwitchAloneSoundsTheGameCuesOnly) {
    profile_.GameSoundEnabled = true;
    RaiseEveryEvent();
    EXPECT_THAT(output_.played, ElementsAre("/m/shoot.wav", "/m/miss.wav", "/m/hurt.wav", "/m/level.wav"));
}

TEST_F(SoundCuesTest, BothSwitchesOffPlayNothingNotEvenTheBell) {
    RaiseEveryEvent();
    EXPECT_THAT(output_.played, IsEmpty());
    EXPECT_EQ(player_.FileName(), "");
}

TEST_F(SoundCuesTest, TheSwitchIsReadAtEachEvent) {
    profile_.GameSoundEnabled = true;
    cues_.CityShoot();
    profile_.GameSoundEnabled = false;
    cues_.CityShoot();
    profile_.DrillSoundEnabled = true;
    cues_.WrongKey();
    profile_.GameSoundEnabled = true;
    cues_.CityHurt();
    EXPECT_THAT(output_.played, ElementsAre("/m/shoot.wav", "/m/err.wav", "/m/hurt.wav"));
}

TEST_F(SoundCuesTest, ParagraphLineEndAndCompletedLineBothSoundWordOkFromTheStart) {
    profile_.DrillSoundEnabled = true;
    cues_.ReturnExpected();
    cues_.LineDone();
    EXPECT_THAT(output_.played, ElementsAre("/m/ok.wav", "/m/ok.wav"));
    EXPECT_EQ(player_.FileName(), "/m/ok.wav");
}

TEST_F(SoundCuesTest, AShotRightAfterAMissIsHandedOnAfterIt) {
    // The output cuts the miss off with the shot (see the output's tests).
    profile_.GameSoundEnabled = true;
    cues_.CityMissShoot();
    cues_.CityShoot();
    EXPECT_THAT(output_.played, ElementsAre("/m/miss.wav", "/m/shoot.wav"));
    EXPECT_EQ(player_.FileName(), "/m/shoot.wav");
}

}  // namespace
}  // namespace zq
