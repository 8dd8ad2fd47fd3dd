// What the program loads before its logon dialog shows: the libraries it
// names itself. Sound, speech, charts and keyboard templates are opened when
// first needed, so their libraries (and the sound server's, the speech
// service's and cryptography libraries behind them) must not be among these.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace zq {
namespace {

// The "NEEDED" lines of the program's dynamic section, as readelf prints them.
std::string NeededLibraries(const std::string& program) {
    const std::string command = "readelf -d '" + program + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    if (!pipe) return {};
    std::string needed;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        if (std::string(line).find("(NEEDED)") != std::string::npos) needed += line;
    }
    return needed;
}

TEST(StartupLibraries, TheProgramStartsWithoutSoundSpeechChartsOrZipLibraries) {
    const std::string needed = NeededLibraries(ZQ_PROGRAM_DIR "/zq-typing-tutor");
    ASSERT_NE(needed.find("libQt6Widgets"), std::string::npos) << "readelf gave:\n" << needed;
    for (const char* late : {"libzip", "libcrypto", "libQt6Multimedia", "libQt6Charts", "libpulse",
                             "libQt6TextToSpeech", "libspeechd"}) {
        EXPECT_EQ(needed.find(late), std::string::npos) << late << " is loaded at start:\n" << needed;
    }
}

}  // namespace
}  // namespace zq
