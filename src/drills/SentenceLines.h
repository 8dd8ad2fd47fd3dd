#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "drills/LineSource.h"

namespace zq {

// Random sentences of a drill text file (the course's sentences): a
// line typed with the pass accuracy is followed by a line picked at random
// (the same may come twice in a row); a line below it comes again. The
// lines are kept as read and trimmed when they are used, so that a blank
// line is an empty sentence that any key completes.
class SentenceLines : public LineSource {
public:
    // `lines`: 8-bit lines of the file; none give empty sentences.
    explicit SentenceLines(std::vector<std::string> lines);
    // The same, picking with a generator seeded with `seed`.
    SentenceLines(std::vector<std::string> lines, std::uint32_t seed);

    std::optional<std::string> Line() const override;
    LineStep LineEnded(const LineEnd& end) override;

private:
    void PickLine();

    std::vector<std::string> lines_;
    std::mt19937 random_;
    std::size_t picked_ = 0;
};

}  // namespace zq
