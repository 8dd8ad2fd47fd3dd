#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace zq {

// The keys of the line being typed, counted in place as they come: for
// every expected character (an 8-bit code) how often it was typed, how
// often wrongly, and the time its right strokes took from the key before;
// the same for every pair of expected characters typed one right after the
// other (a Backspace between them breaks the pair); and which characters
// were typed in place of which. Counting a key costs a few array updates;
// nothing is allocated while a line is typed, except the first confusions
// of a line and the pairs of a very long text.
class LineKeyCounts {
public:
    struct Count {
        std::uint32_t typed = 0;
        std::uint32_t wrong = 0;
        std::uint32_t timedKeys = 0;  // right strokes that followed another key of the line
        std::int64_t timeMs = 0;      // their times, summed
    };
    // Two expected characters in a row; `count` is that of the second
    // stroke (its time is the time from the first).
    struct Pair {
        unsigned char first = 0;
        unsigned char second = 0;
        Count count;
    };
    // `typed` is 0 for a character the code page cannot hold.
    struct Confusion {
        unsigned char expected = 0;
        unsigned char typed = 0;
    };

    LineKeyCounts();

    // Starts a new line: nothing counted, no key before.
    void Clear();

    // The expected character typed rightly at `nowMs`.
    void Right(unsigned char expected, std::int64_t nowMs);
    // Another character typed in its place.
    void Wrong(unsigned char expected, unsigned char typed, std::int64_t nowMs);
    // A key that is not judged (Backspace): the next one is timed from it,
    // and starts no pair with the key before.
    void OtherKey(std::int64_t nowMs) {
        lastKeyMs_ = nowMs;
        previous_ = kNoCharacter;
    }

    const Count& Of(unsigned char code) const { return counts_[code]; }
    // Every confusion in the order it happened, repeats included.
    const std::vector<Confusion>& Confusions() const { return confusions_; }
    // Every pair typed, in the order first typed.
    const std::vector<Pair>& Pairs() const { return pairs_; }

private:
    Count& Touch(unsigned char code);
    // The pair of the key before and `code`, counted as typed once more;
    // none when no judged key came right before.
    Count* TouchPair(unsigned char code);

    std::array<Count, 256> counts_{};
    // The codes counted in this line, so that clearing touches only them.
    std::array<unsigned char, 256> touched_{};
    std::size_t touchedCount_ = 0;
    std::vector<Confusion> confusions_;
    std::vector<Pair> pairs_;
    // For each of the 65536 pairs (first * 256 + second), its place in
    // pairs_ plus one; 0 for a pair not typed in this line.
    std::vector<std::uint32_t> pairPlaces_;
    std::int64_t lastKeyMs_ = kNoKey;
    static constexpr std::int64_t kNoKey = std::numeric_limits<std::int64_t>::min();
    // The expected character of the judged key just before, if any.
    int previous_ = kNoCharacter;
    static constexpr int kNoCharacter = -1;
};

}  // namespace zq
