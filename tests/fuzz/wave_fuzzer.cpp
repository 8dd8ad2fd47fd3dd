// Wave files as a course author or a damaged disk may hand them to the sound
// cues: the reader finds the samples inside the file, and what it calls
// playable is whole frames of a format the sound output plays.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "sound/WaveFile.h"
#include "support/TempFolder.h"

namespace {

// The wave file of this process, in a temporary folder (under $TMPDIR)
// that goes when the process ends.
const std::string& WavePath() {
    static const zq::test::TempFolder folder;
    static const std::string path = folder.File("fuzz.wav");
    return path;
}

// The RIFF header, the chunk header of "fmt " and its 16 bytes, and the
// chunk header of "data" come before the first sample.
constexpr std::uint64_t kFirstSample = 12 + 8 + 16 + 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(WavePath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::optional<zq::WaveFormat> format = zq::ReadWaveFormat(WavePath());
    const bool playable = zq::IsPlayableWave(WavePath());
    if (!format) {
        if (playable) __builtin_trap();  // playable without a format
        return 0;
    }
    // The samples lie within the file, after the headers.
    if (format->dataOffset < kFirstSample || format->dataSize > size ||
        format->dataOffset > size - format->dataSize)
        __builtin_trap();
    if (!playable) return 0;
    const bool pcm = format->formatTag == 1 && format->sampleRate > 0;
    const bool layout = (format->channels == 1 || format->channels == 2) &&
                        (format->bitsPerSample == 8 || format->bitsPerSample == 16) &&
                        format->blockAlign == format->channels * format->bitsPerSample / 8;
    if (!pcm || !layout || format->dataSize % static_cast<std::uint64_t>(format->blockAlign) != 0)
        __builtin_trap();  // the decoder would wait for ever for the rest of a frame
    return 0;
}
