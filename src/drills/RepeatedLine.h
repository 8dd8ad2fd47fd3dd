#pragma once

#include <optional>
#include <string>

#include "drills/LineSource.h"

namespace zq {

// One line typed over and over, whatever its accuracy: the free drill's
// line, built from letters the learner gives, or a line of their weakest
// keys. Without a line the drill waits for the learner's letters.
class RepeatedLine : public LineSource {
public:
    RepeatedLine() = default;
    // `line8`, with the status text that says what it practises (UTF-8;
    // empty leaves the drill's own). An empty line gives no line, and says
    // nothing.
    RepeatedLine(std::string line8, std::string announcementUtf8);

    std::optional<std::string> Line() const override { return line_; }
    LineStep LineEnded(const LineEnd& /*end*/) override {
        return {.sameLine = true, .belowPassAccuracy = false, .notice = {}};
    }
    std::string Announcement() const override { return announcement_; }

private:
    std::optional<std::string> line_;
    std::string announcement_;
};

}  // namespace zq
