#pragma once

// Wave files built byte by byte for the tests.

#include <cstdint>
#include <string>

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
    return Chunk("fmt ", Little16(tag) + Little16(channels) + Little32(sampleRate) +
                             Little32(static_cast<std::uint32_t>(sampleRate * blockAlign)) +
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

}  // namespace zq::testing
