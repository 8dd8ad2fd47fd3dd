#pragma once

#include <string>
#include <vector>

namespace zq {

// One key an adaptive drill practises, as its window shows it.
struct KeyInPlay {
    std::string caption;      // UTF-8: the character the key types
    int progressPercent = 0;  // how far the key has come toward the learner's target, 0 to 100
    bool focus = false;       // the key the lines practise most
};

// The keys an adaptive drill practises, in the order the course teaches
// them, and what the last line changed.
struct KeysInPlay {
    std::vector<KeyInPlay> keys;
    // For the learner (UTF-8): "New key: w", "Focus: r", or both; empty when
    // the last line changed neither.
    std::string change;
};

}  // namespace zq
