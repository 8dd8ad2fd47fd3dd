#include "sound/MediaSettings.h"

#include <algorithm>

#include "base/IniFile.h"

namespace zq {

namespace {

std::string MediaPath(const IniFile& ini, const std::string& mediaDir, const char* section, const char* key) {
    std::string value = ini.ReadString(section, key, "");
    std::replace(value.begin(), value.end(), '\\', '/');
    return mediaDir + value;
}

}  // namespace

MediaSettings ReadMediaSettings(const std::string& appDir) {
    const std::string mediaDir = appDir + "media/";
    const IniFile ini(mediaDir + "media.ini");
    MediaSettings media;
    media.WordBlank = MediaPath(ini, mediaDir, "wav", "word_blank");
    media.WordErr = MediaPath(ini, mediaDir, "wav", "word_err");
    media.WordOk = MediaPath(ini, mediaDir, "wav", "word_ok");
    media.GameCityHurt = MediaPath(ini, mediaDir, "wav", "Game_CityHurt");
    media.GameCityShoot = MediaPath(ini, mediaDir, "wav", "Game_CityShoot");
    media.GameCityMissShoot = MediaPath(ini, mediaDir, "wav", "Game_CityMissShoot");
    media.GameDifficultyIncrease = MediaPath(ini, mediaDir, "wav", "Game_DifficultyIncrease");
    media.LeftHand = MediaPath(ini, mediaDir, "image", "LeftHand");
    media.RightHand = MediaPath(ini, mediaDir, "image", "RightHand");
    return media;
}

}  // namespace zq
