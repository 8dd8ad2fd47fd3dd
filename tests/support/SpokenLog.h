#pragma once

// What the private speech service of ./test said: its voice module writes
// every utterance it is given as a line of its log, with the moment it began
// (seconds since the epoch), its language, its voice and its text, separated
// by tabs (see tests/speech/private-speech-service.sh). ./test names the log
// in ZQ_TEST_SPEECH_LOG; without one there is no service, and the tests that
// listen skip. Tests that listen share the one service, so they never run
// side by side (they hold the test display's CTest resource lock).

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace zq::testing {

struct SpokenLine {
    double seconds = 0;  // since the epoch, when the module began to say it
    std::string language;
    std::string voice;
    std::string text;
};

class SpokenLog {
public:
    // The log of ./test's service, or nothing without one.
    static std::optional<SpokenLog> OfTheTestService() {
        const char* path = std::getenv("ZQ_TEST_SPEECH_LOG");
        if (path == nullptr || *path == '\0') return std::nullopt;
        return SpokenLog(path);
    }

    explicit SpokenLog(std::string path) : path_(std::move(path)) {}

    // Every line said so far.
    std::vector<SpokenLine> Lines() const {
        std::vector<SpokenLine> lines;
        std::ifstream file(path_);
        for (std::string row; std::getline(file, row);) {
            std::istringstream fields(row);
            SpokenLine line;
            std::string seconds;
            std::getline(fields, seconds, '\t');
            std::getline(fields, line.language, '\t');
            std::getline(fields, line.voice, '\t');
            std::getline(fields, line.text);
            line.seconds = std::atof(seconds.c_str());
            lines.push_back(line);
        }
        return lines;
    }

    // From now on, only what is said after this call counts.
    void Mark() { first_ = Lines().size(); }

    // What was said since the mark.
    std::vector<SpokenLine> Heard() const {
        std::vector<SpokenLine> lines = Lines();
        lines.erase(lines.begin(),
                    lines.begin() + static_cast<std::ptrdiff_t>(std::min(first_, lines.size())));
        return lines;
    }
    std::vector<std::string> HeardTexts() const {
        std::vector<std::string> texts;
        for (const SpokenLine& line : Heard()) texts.push_back(line.text);
        return texts;
    }

    // Waits until `count` lines have been said since the mark, or
    // `timeoutMs` has passed, calling `meanwhile` (an event loop's turn)
    // between looks; whether they have.
    bool WaitForHeard(std::size_t count, int timeoutMs = 5000,
                      const std::function<void()>& meanwhile = {}) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Heard().size() < count && std::chrono::steady_clock::now() < end) {
            if (meanwhile) meanwhile();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return Heard().size() >= count;
    }

    // Waits until nothing more has been said for `quietMs`, or `timeoutMs`
    // has passed; whether the service fell quiet. A test that listens calls
    // it before its mark: the service goes on saying what a test before it
    // queued, after that test's program ended, and on a loaded machine those
    // lines would land among its own.
    bool WaitUntilQuiet(int quietMs = 700, int timeoutMs = 20000) const {
        using Clock = std::chrono::steady_clock;
        const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        std::size_t said = Lines().size();
        auto lastChange = Clock::now();
        while (Clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const std::size_t now = Lines().size();
            if (now != said) {
                said = now;
                lastChange = Clock::now();
            } else if (Clock::now() - lastChange >= std::chrono::milliseconds(quietMs)) {
                return true;
            }
        }
        return false;
    }

private:
    std::string path_;
    std::size_t first_ = 0;
};

}  // namespace zq::testing
