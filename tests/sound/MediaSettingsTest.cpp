#include "sound/MediaSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"

namespace zq {
namespace {

class MediaSettingsTest : public ::testing::Test {
protected:
    void WriteMediaIni(const std::string& content) {
        std::filesystem::create_directory(folder_ / "media");
        folder_.Write("media/media.ini", content);
    }
    std::string Media(const std::string& name) const { return folder_.Dir() + "media/" + name; }

    test::TempFolder folder_;
};

TEST_F(MediaSettingsTest, EveryKeyIsTheMediaFolderFollowedByItsValue) {
    WriteMediaIni(
        "[wav]\r\nword_blank=blank.wav\r\nword_err=err.wav\r\nword_ok=ok.wav\r\n"
        "Game_CityHurt=hurt.wav\r\nGame_CityShoot=shoot.wav\r\nGame_CityMissShoot=miss.wav\r\n"
        "Game_DifficultyIncrease=level.wav\r\n[image]\r\nLeftHand=left.bmp\r\nRightHand=right.bmp\r\n");
    const MediaSettings media = ReadMediaSettings(folder_.Dir());
    EXPECT_EQ(media.WordBlank, Media("blank.wav"));
    EXPECT_EQ(media.WordErr, Media("err.wav"));
    EXPECT_EQ(media.WordOk, Media("ok.wav"));
    EXPECT_EQ(media.GameCityHurt, Media("hurt.wav"));
    EXPECT_EQ(media.GameCityShoot, Media("shoot.wav"));
    EXPECT_EQ(media.GameCityMissShoot, Media("miss.wav"));
    EXPECT_EQ(media.GameDifficultyIncrease, Media("level.wav"));
    EXPECT_EQ(media.LeftHand, Media("left.bmp"));
    EXPECT_EQ(media.RightHand, Media("right.bmp"));
}

TEST_F(MediaSettingsTest, NamesMatchWithoutRegardToCaseAndEachKeyInItsOwnSection) {
    WriteMediaIni(
        "[WAV]\nWORD_OK=ok.wav\ngame_cityshoot=shoot.wav\nLeftHand=wrong.bmp\n[Image]\nlefthand=left.bmp\n");
    const MediaSettings media = ReadMediaSettings(folder_.Dir());
    EXPECT_EQ(media.WordOk, Media("ok.wav"));
    EXPECT_EQ(media.GameCityShoot, Media("shoot.wav"));
    EXPECT_EQ(media.LeftHand, Media("left.bmp"));
}

TEST_F(MediaSettingsTest, ValuesAreAppendedAsTheyStandWithBackslashesAsSeparators) {
    WriteMediaIni(
        "[wav]\nword_ok=clicks/soft "
        "click.wav\nword_err=clicks\\buzz.wav\nGame_CityHurt=..\\shared\\thud.wav\n"
        "Game_CityShoot=ping\n");
    const MediaSettings media = ReadMediaSettings(folder_.Dir());
    EXPECT_EQ(media.WordOk, Media("clicks/soft click.wav"));
    EXPECT_EQ(media.WordErr, Media("clicks/buzz.wav"));
    EXPECT_EQ(media.GameCityHurt, Media("../shared/thud.wav"));
    EXPECT_EQ(media.GameCityShoot, Media("ping"));
}

TEST_F(MediaSettingsTest, MissingFileSectionKeyOrValueGivesTheMediaFolder) {
    const std::string mediaFolder = Media("");
    const MediaSettings noFile = ReadMediaSettings(folder_.Dir());
    for (const std::string* path : {&noFile.WordBlank, &noFile.WordOk, &noFile.GameDifficultyIncrease,
                                    &noFile.LeftHand, &noFile.RightHand}) {
        EXPECT_EQ(*path, mediaFolder);
    }

    WriteMediaIni("[wav]\nword_ok=ok.wav\nword_err=\n");
    const MediaSettings partial = ReadMediaSettings(folder_.Dir());
    EXPECT_EQ(partial.WordOk, Media("ok.wav"));
    EXPECT_EQ(partial.WordErr, mediaFolder);        // empty value
    EXPECT_EQ(partial.GameCityShoot, mediaFolder);  // missing key
    EXPECT_EQ(partial.RightHand, mediaFolder);      // missing section
}

}  // namespace
}  // namespace zq
