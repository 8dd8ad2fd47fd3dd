#include "drills/SentencePrac.h"

#include <chrono>

#include "base/TextFile.h"

namespace zq {

TFmSentencePrac::TFmSentencePrac(LineDrillView& view, stopwatch& watch, DrillGuidance guidance)
    : TFmLinePractice(view, watch, guidance) {}

void TFmSentencePrac::FormCreate() {
    TFmLinePractice::FormCreate();
    Lines.clear();
    std::random_device entropy;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    random_.seed(entropy() ^ static_cast<std::uint32_t>(now));
}

void TFmSentencePrac::SetFileName(std::string name) {
    FileName = std::move(name);
    Lines.clear();
}

bool TFmSentencePrac::LoadLines() {
    Lines = ReadTextLines(FileName);
    NextLine();
    return !Lines.empty();
}

std::string TFmSentencePrac::LineSample(std::size_t index) const {
    return index < Lines.size() ? TrimControlAndBlank(Lines[index]) : std::string();
}

void TFmSentencePrac::NextLine() {
    if (LinePassed()) {
        // An empty file gives the empty sample: nothing is ever picked from an empty list.
        if (Lines.empty()) {
            SetSample(std::string());
        } else {
            std::uniform_int_distribution<std::size_t> pick(0, Lines.size() - 1);
            SetSample(LineSample(pick(random_)));
        }
    } else {
        AnnounceLineAgain();  // the same line again, judged afresh
    }
    StartSample();
}

void TFmSentencePrac::StartSample() {
    RestartLine();
    ResetEdits();
}

}  // namespace zq
