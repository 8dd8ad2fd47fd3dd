#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "drills/RepeatedLine.h"
#include "drills/TFmLinePractice.h"

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
// line built from them over and over. The owner may begin it on a line of
// its own instead (Practise with a RepeatedLine of the learner's weak keys);
// Insert still asks for letters of the learner's own.
class TFmLetterPrac : public TFmLinePractice {
public:
    using TFmLinePractice::TFmLinePractice;

    // Begins without letters: the first key asks for them.
    void FormCreate() override;
    void Practise(LineSource& lines) override;
    // Navigation keys are cancelled; Insert asks for new letters.
    bool InputEditKeyDown(int virtualKey) override;
    // Asks for letters when none are defined, then starts the line again.
    void NextLine() override;
    // Whether the drill has a line it repeats; else the next line end asks
    // for letters.
    bool LineDefined() const { return lineDefined_; }

private:
    // Asks what to practise; an answer becomes the drill's line from now on.
    // False when the learner gave nothing.
    bool AskForLetters();

    bool lineDefined_ = false;
    std::unique_ptr<RepeatedLine> letters_;  // the learner's own
};

}  // namespace zq
