#pragma once

// Wave files built byte by byte for the tests.

#include <cstdint>
#include <string>

#include "base/WholeFile.h"

namespace zq::testing {

inline std::string Little16(int value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

inline std::string Little32(std::uint32_t value) {
    return Little16(static_cast<int>(value & 0xFFFF)) + Little16(static_cast<int>(value >> 16));
}

inline std::string Chunk(const std::string& id, const std::string& body) {
    std::string chunk = id + Little32(static_cast<std::uint32_t>(body.size())) + body;
    if (body.size() % 2 != 0) chunk += '\0';  // padded to an even length
    return chunk;
}

inline std::string FormatChunk(int tag, int channels, int sampleRate, int bits) {
    const int blockAlign = channels * bits / 8;
    // Computed as the 32-bit field holds it, so that rates beyond any sound
    // card wrap instead of overflowing.
    const std::uint32_t rate = static_cast<std::uint32_t>(sampleRate);
    const std::uint32_t byteRate = rate * static_cast<std::uint32_t>(blockAlign);
    return Chunk("fmt ", Little16(tag) + Little16(channels) + Little32(rate) + Little32(byteRate) +
                             Little16(blockAlign) + Little16(bits));
}

// A RIFF wave file around the given chunks.
inline std::string Riff(const std::string& chunks) {
    return "RIFF" + Little32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

// 16-bit mono PCM: `samples` frames of a quiet square wave.
inline std::string Pcm16Wave(int samples, int sampleRate = 44100) {
    std::string data;
    for (int i = 0; i < samples; ++i) data += Little16((i / 20) % 2 != 0 ? 3000 : -3000);
    return Riff(FormatChunk(1, 1, sampleRate, 16) + Chunk("data", data));
}

// The bytes of a file, empty when it cannot be read.
inline std::string FileBytes(const std::string& path) {
    return ReadWholeFile(path).bytes;
}

// A wave file, with a "data" chunk as its last chunk, made one byte shorter
// as a careless editor leaves it: the chunk's length and the file's length
// both shrink by one, so that the samples end inside a sample frame. (The
// RIFF length follows; the file is whole but for its last frame.)
inline std::string WithDataOneByteShorter(std::string wave) {
    const std::string::size_type data = wave.find("data");
    const auto little32 = [&wave](std::string::size_type at) {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(wave[at + i]);
        return value;
    };
    const std::uint32_t dataSize = little32(data + 4);
    wave.replace(data + 4, 4, Little32(dataSize - 1));
    wave.resize(data + 8 + dataSize - 1);
    wave.replace(4, 4, Little32(static_cast<std::uint32_t>(wave.size() - 8)));
    return wave;
}

}  // namespace zq::testing
