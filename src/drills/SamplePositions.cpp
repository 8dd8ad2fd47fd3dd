#include "drills/SamplePositions.h"

#include <algorithm>

namespace zq {

SamplePositions::SamplePositions(std::string_view sample8) {
    for (std::size_t i = 1; i < sample8.size(); ++i) {
        if (sample8[i] == '\n' && sample8[i - 1] == '\r') foldedLineFeeds_.push_back(static_cast<int>(i));
    }
    documentLength_ = static_cast<int>(sample8.size() - foldedLineFeeds_.size());
}

int SamplePositions::ToDocument(int index) const {
    // Every folded LF before `index` is one character fewer in the document;
    // an index on the LF itself lands on the line break it belongs to.
    const auto before = std::lower_bound(foldedLineFeeds_.begin(), foldedLineFeeds_.end(), index);
    const int folded = static_cast<int>(before - foldedLineFeeds_.begin());
    const bool onFoldedLineFeed = before != foldedLineFeeds_.end() && *before == index;
    return index - folded - (onFoldedLineFeed ? 1 : 0);
}

}  // namespace zq
