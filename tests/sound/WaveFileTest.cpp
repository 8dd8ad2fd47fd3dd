#include "sound/WaveFile.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "WaveBytes.h"

namespace zq {
namespace {

using testing::Chunk;
using testing::FormatChunk;
using testing::Riff;

class WaveFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes) {
        folder_.Write("cue.wav", bytes);
        return folder_.File("cue.wav");
    }

    test::TempFolder folder_;
};

TEST_F(WaveFileTest, ReadsTheFormatAndFindsTheSamples) {
    const std::string path = Write(testing::Pcm16Wave(100, 22050));
    const auto format = ReadWaveFormat(path);
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->formatTag, 1);
    EXPECT_EQ(format->channels, 1);
    EXPECT_EQ(format->sampleRate, 22050);
    EXPECT_EQ(format->bitsPerSample, 16);
    EXPECT_EQ(format->blockAlign, 2);
    EXPECT_EQ(format->dataOffset, 44u);
    EXPECT_EQ(format->dataSize, 200u);
    EXPECT_TRUE(IsPlayableWave(path));
}

TEST_F(WaveFileTest, SkipsOtherChunksWithTheirPaddingByte) {
    std::string bytes = Riff(Chunk("LIST", "INFOx") + FormatChunk(1, 1, 8000, 8) + Chunk("fact", "abcd") +
                             Chunk("data", std::string(7, '\x80')));
    bytes.pop_back();  // writers often leave out the last chunk's padding byte
    const std::string path = Write(bytes);
    const auto format = ReadWaveFormat(path);
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->channels, 1);
    EXPECT_EQ(format->dataOffset, 12u + 14 + 24 + 12 + 8);
    EXPECT_EQ(format->dataSize, 7u);
    EXPECT_TRUE(IsPlayableWave(path));
}

TEST_F(WaveFileTest, AFileCutShortIsNoWaveFile) {
    const std::string whole = testing::Pcm16Wave(100);
    EXPECT_FALSE(ReadWaveFormat(Write(whole.substr(0, whole.size() - 1))).has_value());
    EXPECT_FALSE(ReadWaveFormat(Write(whole.substr(0, 44))).has_value());  // headers only
    EXPECT_FALSE(ReadWaveFormat(Write(whole.substr(0, 30))).has_value());  // inside the format
    EXPECT_FALSE(ReadWaveFormat(Write(whole.substr(0, 8))).has_value());
    EXPECT_FALSE(ReadWaveFormat(Write("")).has_value());
}

TEST(WaveFormatOf, TheBytesOfAWaveFileTellItsFormat) {
    const auto format = WaveFormatOf(testing::Pcm16Wave(100, 22050));
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->sampleRate, 22050);
    EXPECT_EQ(format->dataOffset, 44u);
    EXPECT_EQ(format->dataSize, 200u);
    EXPECT_FALSE(WaveFormatOf("RIFF").has_value());
}

TEST_F(WaveFileTest, WhatIsNoWaveFileIsNotPlayable) {
    EXPECT_FALSE(IsPlayableWave(folder_.File("missing.wav")));
    EXPECT_FALSE(IsPlayableWave(folder_.Dir()));
    EXPECT_FALSE(IsPlayableWave(Write("Hello, this is a text file and no sound at all.\n")));
    EXPECT_FALSE(IsPlayableWave(Write("RIFF" + testing::Little32(16) + "AVI " + Chunk("LIST", "abcd"))));
    // Samples before their format cannot be decoded as they come.
    EXPECT_FALSE(IsPlayableWave(Write(Riff(Chunk("data", "abcd") + FormatChunk(1, 1, 8000, 16)))));
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(1, 1, 8000, 16)))));  // no samples
}

TEST_F(WaveFileTest, OnlyEightAndSixteenBitIntegerMonoOrStereoIsPlayable) {
    const std::string samples = Chunk("data", std::string(48, '\0'));
    EXPECT_TRUE(IsPlayableWave(Write(Riff(FormatChunk(1, 2, 44100, 16) + samples))));
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(1, 1, 44100, 24) + samples))));
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(3, 1, 44100, 32) + samples))));       // float
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(0xFFFE, 1, 44100, 16) + samples))));  // extensible
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(1, 3, 44100, 16) + samples))));
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(1, 0, 44100, 16) + samples))));
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(1, 1, 0, 16) + samples))));
    EXPECT_FALSE(IsPlayableWave(Write(Riff(FormatChunk(7, 1, 8000, 8) + samples))));  // mu-law
}

// The platform's decoder divides by what the header says: a rate of a few
// hertz stopped the program at its first cue.
TEST_F(WaveFileTest, OnlyRatesOfSoundCardsWithAMatchingByteRateArePlayable) {
    const std::string samples = Chunk("data", std::string(48, '\0'));
    const auto playable = [&](int rate) {
        return IsPlayableWave(Write(Riff(FormatChunk(1, 1, rate, 16) + samples)));
    };
    for (const int rate : {1, 10, 40, 7999, 192001, 0x7FFFFFFF}) EXPECT_FALSE(playable(rate)) << rate;
    for (const int rate : {8000, 11025, 44100, 192000}) EXPECT_TRUE(playable(rate)) << rate;

    std::string wrongByteRate = Riff(FormatChunk(1, 1, 22050, 16) + samples);
    wrongByteRate.replace(12 + 8 + 8, 4, testing::Little32(10));  // the format chunk's byte rate
    EXPECT_FALSE(IsPlayableWave(Write(wrongByteRate)));
}

TEST_F(WaveFileTest, SamplesThatEndInsideASampleFrameAreNotPlayable) {
    // The decoder waits for the rest of the last frame, which never comes,
    // and holds up the sound system's end with it.
    const std::string shipped = testing::FileBytes(ZQ_SOURCE_DIR "/data/media/word_err.wav");
    ASSERT_TRUE(IsPlayableWave(Write(shipped)));
    const std::string path = Write(testing::WithDataOneByteShorter(shipped));
    const auto format = ReadWaveFormat(path);
    ASSERT_TRUE(format.has_value()) << "the file itself is whole";
    EXPECT_EQ(format->dataSize % 2, 1u);
    EXPECT_FALSE(IsPlayableWave(path));

    // Samples of `bytes` bytes in frames of `channels` times `bits`.
    const auto playable = [this](int channels, int bits, std::size_t bytes) {
        return IsPlayableWave(
            Write(Riff(FormatChunk(1, channels, 8000, bits) + Chunk("data", std::string(bytes, '\0')))));
    };
    EXPECT_FALSE(playable(1, 16, 7));  // the padding byte after the samples does not count
    EXPECT_FALSE(playable(2, 8, 9));
    EXPECT_FALSE(playable(2, 16, 10));
    EXPECT_TRUE(playable(2, 16, 12));
    EXPECT_TRUE(playable(1, 8, 7));  // frames of one byte: any length is whole
}

}  // namespace
}  // namespace zq
