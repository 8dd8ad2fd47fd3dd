#pragma once

// A text of about one megabyte for the paragraph drill benchmarks: lines of
// ordinary words and punctuation, as a chapter of a book would give.

#include <string>

namespace zq::bench {

inline std::string MegabyteOfText() {
    static const char* const kWords[] = {"the",  "quick", "brown",  "fox",   "jumps", "over", "lazy",
                                         "dog,", "while", "typing", "every", "line",  "of",   "this",
                                         "long", "text.", "Hands",  "rest",  "on",    "home", "keys;",
                                         "eyes", "stay",  "on",     "the",   "page",  "and",  "fingers"};
    constexpr std::size_t kWordCount = sizeof kWords / sizeof kWords[0];
    std::string text;
    text.reserve(1 << 20);
    std::size_t lineLength = 0;
    for (std::size_t i = 0; text.size() < (1u << 20); ++i) {
        const std::string word = kWords[(i * 7 + i / kWordCount) % kWordCount];
        if (lineLength + word.size() > 70) {
            text += '\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            text += ' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    return text;
}

}  // namespace zq::bench
