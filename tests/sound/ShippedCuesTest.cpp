// The cues the program ships in its media folder, as "media.ini" names them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/WholeFile.h"
#include "sound/MediaSettings.h"
#include "sound/WaveFile.h"

namespace zq {
namespace {

struct Cue {
    const char* key;
    std::string MediaSettings::*path;
    double longestSeconds;
};

const Cue kCues[] = {
    {"word_ok", &MediaSettings::WordOk, 0.3},
    {"word_err", &MediaSettings::WordErr, 0.3},
    {"Game_CityShoot", &MediaSettings::GameCityShoot, 0.3},
    {"Game_CityHurt", &MediaSettings::GameCityHurt, 0.3},
    {"Game_CityMissShoot", &MediaSettings::GameCityMissShoot, 0.3},
    {"Game_DifficultyIncrease", &MediaSettings::GameDifficultyIncrease, 0.7},
};

std::vector<std::int16_t> Samples(const std::string& path, const WaveFormat& format) {
    const std::string bytes = ReadWholeFile(path).bytes;
    std::vector<std::int16_t> samples(format.dataSize / 2);
    if (bytes.size() >= format.dataOffset + samples.size() * 2)
        std::memcpy(samples.data(), bytes.data() + format.dataOffset, samples.size() * 2);
    return samples;
}

double Decibels(int sample) {
    return 20 * std::log10(std::abs(sample) / 32768.0);
}

// The loudest sample from `first` to before `last`, in dBFS.
double PeakDecibels(std::vector<std::int16_t>::const_iterator first,
                    std::vector<std::int16_t>::const_iterator last) {
    int peak = 0;
    for (auto sample = first; sample != last; ++sample) peak = std::max(peak, std::abs(int{*sample}));
    return Decibels(peak);
}

class ShippedCuesTest : public ::testing::Test {
protected:
    const MediaSettings media_ = ReadMediaSettings(ZQ_SOURCE_DIR "/data/");
};

TEST_F(ShippedCuesTest, EachCueIsItsOwnShortSixteenBitPcmFile) {
    std::set<std::string> files;
    for (const Cue& cue : kCues) {
        SCOPED_TRACE(cue.key);
        const std::string& path = media_.*cue.path;
        files.insert(path);
        ASSERT_TRUE(IsPlayableWave(path)) << path;
        const WaveFormat format = *ReadWaveFormat(path);
        EXPECT_EQ(format.bitsPerSample, 16);
        const double seconds = static_cast<double>(format.dataSize / format.blockAlign) / format.sampleRate;
        EXPECT_LT(seconds, cue.longestSeconds);
    }
    EXPECT_EQ(files.size(), std::size(kCues));
}

TEST_F(ShippedCuesTest, CuesStayBelowMinusThreeDecibelsAndStartAndEndWithoutAClick) {
    for (const Cue& cue : kCues) {
        SCOPED_TRACE(cue.key);
        const std::string& path = media_.*cue.path;
        const auto format = ReadWaveFormat(path);
        ASSERT_TRUE(format.has_value());
        const std::vector<std::int16_t> samples = Samples(path, *format);
        ASSERT_GT(samples.size(), 100u);
        EXPECT_LT(PeakDecibels(samples.begin(), samples.end()), -3.0);
        // A sudden step at either end is heard as a click: the edges start
        // and end near silence and fade over some milliseconds.
        EXPECT_LT(Decibels(samples.front()), -40.0);
        EXPECT_LT(Decibels(samples.back()), -40.0);
        const auto quarterMillisecond = static_cast<std::ptrdiff_t>(format->sampleRate / 4000);
        EXPECT_LT(PeakDecibels(samples.begin(), samples.begin() + quarterMillisecond), -20.0);
        EXPECT_LT(PeakDecibels(samples.end() - quarterMillisecond, samples.end()), -20.0);
    }
}

}  // namespace
}  // namespace zq
