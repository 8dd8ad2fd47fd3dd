#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "drills/LinePractice.h"

namespace zq {

// Longest answer used for a practice line, and the length the line aims at.
inline constexpr std::size_t kFreeDrillAnswerLength = 40;
inline constexpr std::size_t kFreeDrillLineTarget = 80;

// The practice line of an answer (8-bit text, already cut to 40
// characters): the answer as typed, repeated 80 div (length + 2) times with
// one blank between copies. Empty for an empty answer.
std::string BuildPracticeLine(std::string_view answer8);

// The free drill: the learner gives letters or words of their choice (on
// demand with Insert, or at the first key while none are given) and types the
// line built from them over and over.
class TFmLetterPrac : public TFmLinePractice {
public:
    using TFmLinePractice::TFmLinePractice;

    void FormCreate() override;
    // Navigation keys are cancelled; Insert asks for new letters.
    bool InputEditKeyDown(int virtualKey) override;
    // Asks for letters when none are defined, then starts the line again.
    void NextLine() override;
    // Starts on a line the program built (the learner's weak keys) instead
    // of asking, with a status text that says what it practises; Insert
    // still asks for letters of the learner's own.
    void UsePracticeLine(std::string line8, std::string_view statusUtf8);
    // Whether the drill has a line it repeats; else the next line end asks
    // for letters.
    bool LineDefined() const { return lineDefined_; }

private:
    bool lineDefined_ = false;
};

}  // namespace zq
