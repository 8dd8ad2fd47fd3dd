#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drills/LineSource.h"

namespace zq {

// The lines of a course file in order, from a position (the
// profile's progress): a line typed with the pass accuracy, or ended early
// with Enter, leads to the next line; a line below the pass accuracy comes
// again, and so does an escaped line. The last line stays, with the notice
// that the course has ended. The course drill steps through the lines with
// MoveTo; Place().index is the progress to store.
class CourseLines : public LineSource {
public:
    // `lines`: 8-bit lines of the file. A position outside a file that has
    // lines (a shortened file, another course) is brought into it; an empty
    // file keeps it, so that no progress is lost.
    CourseLines(std::vector<std::string> lines, std::int32_t position);

    std::optional<std::string> Line() const override;
    LineStep LineEnded(const LineEnd& end) override;
    LinePlace Place() const override { return {position_, Count()}; }
    bool MoveTo(std::int32_t index) override;

private:
    std::int32_t Count() const { return static_cast<std::int32_t>(lines_.size()); }

    std::vector<std::string> lines_;
    std::int32_t position_;
};

}  // namespace zq
