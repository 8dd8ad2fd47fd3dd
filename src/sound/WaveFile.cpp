#include "sound/WaveFile.h"

#include "base/WholeFile.h"

namespace zq {

namespace {

constexpr int kPcmFormat = 1;
// The rates sound cards play. Outside them a cue is damaged or no cue: the
// platform's decoder divides by what the header says, and stopped the
// program at a rate of a few hertz.
constexpr int kLowestSampleRate = 8000;
constexpr int kHighestSampleRate = 192000;

std::uint32_t Little32(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::uint16_t Little16(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

void ReadFormatChunk(const char* body, WaveFormat& format) {
    format.formatTag = Little16(body);
    format.channels = Little16(body + 2);
    format.sampleRate = static_cast<int>(Little32(body + 4));
    format.byteRate = Little32(body + 8);
    format.blockAlign = Little16(body + 12);
    format.bitsPerSample = Little16(body + 14);
}

}  // namespace

std::optional<WaveFormat> WaveFormatOf(std::string_view bytes) {
    constexpr std::size_t kRiffHeader = 12;
    constexpr std::size_t kChunkHeader = 8;
    constexpr std::size_t kFormatFields = 16;
    if (bytes.size() < kRiffHeader || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    WaveFormat format;
    bool haveFormat = false;
    std::uint64_t offset = kRiffHeader;
    while (offset + kChunkHeader <= bytes.size()) {
        const std::string_view id = bytes.substr(offset, 4);
        const std::uint64_t size = Little32(bytes.data() + offset + 4);
        const std::uint64_t body = offset + kChunkHeader;
        if (id == "fmt ") {
            if (size < kFormatFields || body + kFormatFields > bytes.size()) return std::nullopt;
            ReadFormatChunk(bytes.data() + body, format);
            haveFormat = true;
        } else if (id == "data") {
            // The samples must follow the format, and all of them be there.
            if (!haveFormat || body + size > bytes.size()) return std::nullopt;
            format.dataOffset = body;
            format.dataSize = size;
            return format;
        }
        offset = body + size + (size & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}

std::optional<WaveFormat> ReadWaveFormat(const std::string& path8) {
    const WholeFile file = ReadWholeFile(path8);
    if (file.error != 0) return std::nullopt;
    return WaveFormatOf(file.bytes);
}

bool IsPlayableWave(const std::string& path8) {
    const std::optional<WaveFormat> format = ReadWaveFormat(path8);
    if (!format || format->formatTag != kPcmFormat) return false;
    if (format->channels < 1 || format->channels > 2) return false;
    if (format->bitsPerSample != 8 && format->bitsPerSample != 16) return false;
    if (format->sampleRate < kLowestSampleRate || format->sampleRate > kHighestSampleRate) return false;
    if (format->blockAlign != format->channels * format->bitsPerSample / 8) return false;
    if (format->byteRate != static_cast<std::uint32_t>(format->sampleRate * format->blockAlign)) return false;
    return format->dataSize % static_cast<std::uint64_t>(format->blockAlign) == 0;
}

}  // namespace zq
