#pragma once

#include "drills/TFmLinePractice.h"

namespace zq {

// The sentence drill: the line drill on random sentences of a drill text
// file (SentenceLines of the course's sentences), a line below the pass
// accuracy offered again. What sets it apart from the other drills is its
// source; the course drill builds on it.
class TFmSentencePrac : public TFmLinePractice {
public:
    using TFmLinePractice::TFmLinePractice;
};

}  // namespace zq
