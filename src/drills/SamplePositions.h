#pragma once

#include <string_view>
#include <vector>

namespace zq {

// The drill logic counts a line break of the sample as two characters (CR
// and LF); a text document shows it as one. This map turns a position of the
// logic into the position of the same character in the document.
class SamplePositions {
public:
    SamplePositions() = default;
    explicit SamplePositions(std::string_view sample8);

    // The document position of the zero-based logic position `index`.
    int ToDocument(int index) const;
    // The length of the sample as the document counts it.
    int DocumentLength() const { return documentLength_; }

private:
    std::vector<int> foldedLineFeeds_;  // logic indexes of every LF that follows a CR, ascending
    int documentLength_ = 0;
};

}  // namespace zq
