#include "adaptive/RecentStrokes.h"

namespace zq {

void RecentStrokes::AddOlder(const KeyTally& line) {
    if (line.typed <= 0 || Enough()) return;
    lines_.push_back(line);
}

void RecentStrokes::AddNewest(const KeyTally& line) {
    if (line.typed <= 0) return;
    lines_.push_front(line);
    // The oldest line goes once the lines after it hold the strokes alone.
    std::int64_t strokes = 0;
    for (std::size_t kept = 0; kept < lines_.size(); ++kept) {
        strokes += lines_[kept].typed;
        if (strokes >= kJudgedStrokes) {
            lines_.resize(kept + 1);
            return;
        }
    }
}

KeyTally RecentStrokes::Figures() const {
    KeyTally sum;
    for (const KeyTally& line : lines_) {
        sum.typed += line.typed;
        sum.wrong += line.wrong;
        sum.timedKeys += line.timedKeys;
        sum.timeMs += line.timeMs;
    }
    return sum;
}

}  // namespace zq
