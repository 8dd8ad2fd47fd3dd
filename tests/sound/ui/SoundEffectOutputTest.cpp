#include "sound/ui/SoundEffectOutput.h"

#include <gtest/gtest.h>

#include "../../support/TempFolder.h"
#include "../WaveBytes.h"
#include "SoundTestSupport.h"

namespace zq {
namespace {

using testing::Chunk;
using testing::FormatChunk;
using testing::Riff;

class SoundEffectOutputTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        folder_.Write(name, bytes);
        return folder_.File(name);
    }
    // A cue of one second, long enough to be sounding still when the test looks.
    std::string LongCue(const std::string& name) { return Write(name, testing::Pcm16Wave(44100)); }

    test::TempFolder folder_;
    int bells_ = 0;
    SoundEffectOutput output_{[this] { ++bells_; }};
};

TEST_F(SoundEffectOutputTest, WhatIsNoPlayableWaveFileRingsTheBellEachTime) {
    const std::string wave = testing::Pcm16Wave(4410);
    const std::string unplayable[] = {
        folder_.File("missing.wav"),
        folder_.Dir(),  // the path a missing key of "media.ini" gives
        Write("text.wav", "no sound in here\n"),
        Write("cut.wav", wave.substr(0, wave.size() / 2)),
    };
    for (const std::string& path : unplayable) {
        SCOPED_TRACE(path);
        const int before = bells_;
        output_.Play(path);
        output_.Play(path);
        EXPECT_EQ(bells_, before + 2);
        EXPECT_FALSE(output_.IsSounding(path));
    }
}

TEST_F(SoundEffectOutputTest, ACueSoundsUntilTheNextCueCutsItOff) {
    const std::string miss = LongCue("miss.wav");
    const std::string shot = LongCue("shot.wav");
    output_.Play(miss);
    EXPECT_TRUE(output_.IsSounding(miss));
    output_.Play(shot);
    EXPECT_FALSE(output_.IsSounding(miss));
    EXPECT_TRUE(output_.IsSounding(shot));
    output_.Play(folder_.File("missing.wav"));  // the bell cuts it off too
    EXPECT_FALSE(output_.IsSounding(shot));
    EXPECT_EQ(bells_, 1);
}

TEST_F(SoundEffectOutputTest, AFileTheDecoderRefusesWhileLoadingRingsTheBellThen) {
    // Qt 6.4's decoder gives up on an odd-sized chunk before the samples,
    // a file the program's own check lets through.
    const std::string path = Write("odd.wav", Riff(FormatChunk(1, 1, 44100, 16) + Chunk("LIST", "INFOx") +
                                                   Chunk("data", std::string(8820, '\0'))));
    output_.Play(path);
    EXPECT_TRUE(testing::RunEventsUntil([&] { return bells_ == 1; }));
    EXPECT_FALSE(output_.IsSounding(path));
}

}  // namespace
}  // namespace zq
