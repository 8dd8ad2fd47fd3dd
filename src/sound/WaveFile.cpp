#include "sound/WaveFile.h"

#include <array>
#include <fstream>
#include <string_view>

namespace zq {

namespace {

constexpr int kPcmFormat = 1;

std::uint32_t Little32(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t Little16(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

struct ChunkHeader {
    std::string_view id;
    std::uint64_t size = 0;
};

// Reads `count` bytes at `offset`; false when the file is shorter.
bool ReadAt(std::ifstream& file, std::uint64_t offset, char* bytes, std::size_t count) {
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(bytes, static_cast<std::streamsize>(count));
    return file.gcount() == static_cast<std::streamsize>(count);
}

void ReadFormatChunk(const char* body, WaveFormat& format) {
    format.formatTag = Little16(body);
    format.channels = Little16(body + 2);
    format.sampleRate = static_cast<int>(Little32(body + 4));
    format.blockAlign = Little16(body + 12);
    format.bitsPerSample = Little16(body + 14);
}

}  // namespace

std::optional<WaveFormat> ReadWaveFormat(const std::string& path8) {
    std::ifstream file(path8, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    const auto fileSize = static_cast<std::uint64_t>(file.tellg());

    std::array<char, 12> riff{};
    if (!ReadAt(file, 0, riff.data(), riff.size())) return std::nullopt;
    if (std::string_view(riff.data(), 4) != "RIFF" || std::string_view(riff.data() + 8, 4) != "WAVE") {
        return std::nullopt;
    }

    WaveFormat format;
    bool haveFormat = false;
    std::uint64_t offset = riff.size();
    std::array<char, 8> header{};
    while (ReadAt(file, offset, header.data(), header.size())) {
        const std::string_view id(header.data(), 4);
        const std::uint64_t size = Little32(header.data() + 4);
        const std::uint64_t body = offset + header.size();
        if (id == "fmt ") {
            std::array<char, 16> fields{};
            if (size < fields.size() || !ReadAt(file, body, fields.data(), fields.size()))
                return std::nullopt;
            ReadFormatChunk(fields.data(), format);
            haveFormat = true;
        } else if (id == "data") {
            // The samples must follow the format, and all of them be there.
            if (!haveFormat || body + size > fileSize) return std::nullopt;
            format.dataOffset = body;
            format.dataSize = size;
            return format;
        }
        offset = body + size + (size & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}

bool IsPlayableWave(const std::string& path8) {
    const std::optional<WaveFormat> format = ReadWaveFormat(path8);
    if (!format || format->formatTag != kPcmFormat) return false;
    if (format->channels < 1 || format->channels > 2) return false;
    if (format->bitsPerSample != 8 && format->bitsPerSample != 16) return false;
    if (format->sampleRate <= 0 || format->blockAlign != format->channels * format->bitsPerSample / 8)
        return false;
    return format->dataSize % static_cast<std::uint64_t>(format->blockAlign) == 0;
}

}  // namespace zq
