#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "drills/LinePractice.h"

namespace zq {

// The sentence drill: random lines of a drill text file (the course's
// sentences). It also owns the reading of line files for the course drill.
class TFmSentencePrac : public TFmLinePractice {
public:
    TFmSentencePrac(LineDrillView& view, stopwatch& watch, DrillGuidance guidance);

    void FormCreate() override;

    // FileName := name, and the lines read so far are dropped.
    void SetFileName(std::string name);
    // Reads FileName into Lines and sets up the first line; true when the
    // file holds at least one line. Raises "Cannot open file ..." when the
    // file cannot be read.
    bool LoadLines();
    void SeedRandom(std::uint32_t seed) { random_.seed(seed); }

    void NextLine() override;

    std::vector<std::string> Lines;
    std::string FileName;

protected:
    // The line at `index` as a sample: without leading and trailing
    // characters of codes 0 to 32.
    std::string LineSample(std::size_t index) const;
    // Sets up a freshly chosen sample: position, time, words, guidance, boxes.
    void StartSample();

private:
    std::mt19937 random_;
};

}  // namespace zq
