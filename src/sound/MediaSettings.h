#pragma once

#include <string>

namespace zq {

// The files named by "media.ini" in the program's "media" folder, each as a
// full path: the media folder followed by the value as the file gives it. A
// missing file, section or key leaves the media folder's own path, which is
// no wave file (playing it rings the bell). Paths are 8-bit text.
struct MediaSettings {
    std::string WordBlank;  // read, never played
    std::string WordErr;
    std::string WordOk;
    std::string GameCityHurt;
    std::string GameCityShoot;
    std::string GameCityMissShoot;
    std::string GameDifficultyIncrease;
    std::string LeftHand;  // pictures: read, never shown
    std::string RightHand;
};

// Reads appDir + "media/media.ini"; appDir ends with "/". A "\" in a value is
// taken as the path separator, so that a file written with Windows paths
// still finds its sub-folders.
MediaSettings ReadMediaSettings(const std::string& appDir);

}  // namespace zq
