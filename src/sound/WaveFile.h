#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// The format of a RIFF wave file and where its samples lie.
struct WaveFormat {
    int formatTag = 0;  // 1: integer PCM
    int channels = 0;
    int sampleRate = 0;
    std::uint32_t byteRate = 0;  // bytes of one second, as the header says
    int bitsPerSample = 0;
    int blockAlign = 0;  // bytes of one sample frame, all channels
    std::uint64_t dataOffset = 0;
    std::uint64_t dataSize = 0;
};

// The format of a RIFF wave file of these bytes, or nothing when they are no
// RIFF wave file, or end before its "fmt " chunk and the whole of its "data"
// chunk. Only the chunk headers are looked at.
std::optional<WaveFormat> WaveFormatOf(std::string_view bytes);

// The format of the wave file at path8 (read whole, as the sound output
// reads it to play it), or nothing when the file cannot be read or its bytes
// have none (see WaveFormatOf).
std::optional<WaveFormat> ReadWaveFormat(const std::string& path8);

// Whether the sound output can play the file: a complete wave file of 8 or
// 16-bit integer PCM, mono or stereo, whose samples are whole sample frames
// (the data's length a multiple of the block align). Anything else rings the
// bell instead. A file cut short, or samples that end inside a frame, are
// refused here because the platform's decoder would wait for the missing
// bytes for ever, and the end of the sound system with it.
bool IsPlayableWave(const std::string& path8);

}  // namespace zq
