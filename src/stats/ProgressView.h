#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "stats/ChartSpec.h"

namespace zq {

class KeyHeatMap;
struct HandsPicture;

// A line of a list, with what kind of thing it is (empty when that is not
// known), shown under it.
struct LabelledLine {
    std::string text;
    std::string label;
};

// What the progress window's logic asks of the window. Texts are UTF-8.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetCaption(std::string_view text) = 0;
    virtual void ShowSummary(std::string_view text) = 0;
    virtual void ShowCharts(const std::vector<ChartSpec>& charts) = 0;
    // The keyboard lives as long as the logic.
    virtual void ShowKeyboard(const KeyHeatMap& keyboard) = 0;
    // The two hands, each finger with its speed and accuracy.
    virtual void ShowHands(const HandsPicture& hands) = 0;
    virtual void ShowSlowestKeys(const std::vector<std::string>& lines) = 0;
    // Each confusion, labelled with the kind of slip it is when the keyboard tells.
    virtual void ShowConfusions(const std::vector<LabelledLine>& lines) = 0;
    virtual void ShowSlowestPairs(const std::vector<std::string>& lines) = 0;
    virtual void ShowMostMissedPairs(const std::vector<std::string>& lines) = 0;
    // The weak-key button, and what pointing at it says.
    virtual void SetWeakKeyPractice(bool enabled, std::string_view hint) = 0;
    // The slow-pair button, and what pointing at it says.
    virtual void SetSlowPairPractice(bool enabled, std::string_view hint) = 0;
};

}  // namespace zq
