#include "adaptive/AdaptiveLineBuilder.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <set>

namespace zq {

namespace {

// Long words crowd out the other keys of a line.
constexpr std::size_t kLongestWord = 14;
// Words weighed at each step: enough to find a good one, few enough to stay quick.
constexpr std::size_t kWordsWeighed = 48;
// How much worse a word serves for each time it already stands in the line.
constexpr double kRepeatCost = 1.0;
// Real words rarely hold the focus key as often as a line aims at: while the
// line holds it too seldom, a letter group that holds it may come instead
// of a word, when it brings the line's keys much nearer their shares, and
// a few times a line at most.
constexpr double kLetterGroupCost = 1.5;
constexpr std::size_t kMostLetterGroups = 3;

using KeyCounts = std::array<double, 256>;

std::array<bool, 256> KeySet(std::string_view keys) {
    std::array<bool, 256> set{};
    for (const char key : keys) set[static_cast<unsigned char>(key)] = true;
    return set;
}

// The line's counts of the keys in play, and how far they stand from the
// shares the line aims at.
class LineBalance {
public:
    LineBalance(std::string_view keysInPlay, char focus) : keys_(keysInPlay), focus_(focus) {
        const double whole = kFocusWeight + static_cast<double>(keysInPlay.size()) - 1;
        for (const char key : keysInPlay) {
            share_[static_cast<unsigned char>(key)] = (key == focus ? kFocusWeight : 1.0) / whole;
        }
    }

    // The squared distance from the aimed counts, were `word` added.
    double DistanceWith(std::string_view word) const {
        KeyCounts counts = counts_;
        double total = total_;
        for (const char ch : word) {
            counts[static_cast<unsigned char>(ch)] += 1;
            total += 1;
        }
        double distance = 0;
        for (const char key : keys_) {
            const auto code = static_cast<unsigned char>(key);
            const double off = counts[code] - share_[code] * total;
            distance += off * off;
        }
        return distance;
    }

    // Whether the line holds the focus key less often than it aims at.
    bool FocusShort() const {
        const auto code = static_cast<unsigned char>(focus_);
        return counts_[code] < share_[code] * total_;
    }

    void Add(std::string_view word) {
        for (const char ch : word) counts_[static_cast<unsigned char>(ch)] += 1;
        total_ += static_cast<double>(word.size());
    }

private:
    std::string_view keys_;
    char focus_;
    KeyCounts share_{};
    KeyCounts counts_{};
    double total_ = 0;
};

// The words a line is made of: the usable ones, or stand-ins for keys no
// word holds, shortest first.
std::vector<std::string> Choices(const std::vector<std::string>& usableWords, std::string_view keysInPlay,
                                 char focus) {
    std::vector<std::string> choices = usableWords;
    if (choices.empty()) {
        for (const char key : keysInPlay) choices.emplace_back(3, key);
    } else if (std::ranges::none_of(choices, [focus](const std::string& word) {
                   return word.find(focus) != std::string::npos;
               })) {
        choices.emplace_back(3, focus);
    }
    std::ranges::stable_sort(choices, {}, &std::string::size);
    return choices;
}

// The choices weighed for the next word, in a random order so that equally
// good words take turns: all of the first `fitting` when they are few, else
// a random handful of them.
std::vector<std::size_t> WordsToWeigh(std::size_t fitting, std::mt19937& random) {
    std::vector<std::size_t> words;
    if (fitting <= kWordsWeighed) {
        for (std::size_t word = 0; word < fitting; ++word) words.push_back(word);
        std::ranges::shuffle(words, random);
        return words;
    }
    std::uniform_int_distribution<std::size_t> pick(0, fitting - 1);
    for (std::size_t weighed = 0; weighed < kWordsWeighed; ++weighed) words.push_back(pick(random));
    return words;
}

// The letter groups that hold the focus key, shortest first: they help
// when the real words cannot bring it often enough.
std::vector<std::string> FocusGroups(const std::vector<std::string>& groups, char focus) {
    std::vector<std::string> found;
    std::ranges::copy_if(groups, std::back_inserter(found), [focus](const std::string& group) {
        return group.find(focus) != std::string::npos;
    });
    std::ranges::stable_sort(found, {}, &std::string::size);
    return found;
}

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

struct Pick {
    std::size_t index = kNone;
    double distance = std::numeric_limits<double>::max();
};

// The word of `words` (shortest first) that fits `room` and brings the
// line nearest the shares it aims at, of a handful weighed.
Pick BestOf(const std::vector<std::string>& words, const std::vector<double>& uses, std::size_t room,
            const LineBalance& balance, std::mt19937& random) {
    // The words that fit are a first part of the list, shortest first.
    const auto fitting = static_cast<std::size_t>(
        std::ranges::upper_bound(words, room, {}, &std::string::size) - words.begin());
    Pick best;
    if (fitting == 0) return best;
    for (const std::size_t word : WordsToWeigh(fitting, random)) {
        // A word comes again in a line only when it serves much better
        // than the others (a course's first keys have few words).
        const double distance = balance.DistanceWith(words[word]) * (1.0 + kRepeatCost * uses[word]);
        if (distance < best.distance) best = {word, distance};
    }
    return best;
}

}  // namespace

std::vector<std::string> UsableWords(const std::vector<std::string>& words, std::string_view keysInPlay) {
    const std::array<bool, 256> inPlay = KeySet(keysInPlay);
    std::set<std::string_view> seen;
    std::vector<std::string> usable;
    for (const std::string& word : words) {
        if (word.empty() || word.size() > kLongestWord) continue;
        if (!std::ranges::all_of(word, [&](char ch) { return inPlay[static_cast<unsigned char>(ch)]; }))
            continue;
        if (seen.insert(word).second) usable.push_back(word);
    }
    std::ranges::stable_sort(usable, {}, &std::string::size);
    return usable;
}

CourseWords UsableWords(const CourseWords& words, std::string_view keysInPlay) {
    CourseWords usable(UsableWords(words.words, keysInPlay));
    std::array<bool, 256> held{};
    for (const std::string& word : usable.words)
        for (const char ch : word) held[static_cast<unsigned char>(ch)] = true;
    for (std::string& group : UsableWords(words.groups, keysInPlay)) {
        const bool serves =
            std::ranges::any_of(group, [&held](char ch) { return !held[static_cast<unsigned char>(ch)]; });
        (serves ? usable.words : usable.groups).push_back(std::move(group));
    }
    std::ranges::stable_sort(usable.words, {}, &std::string::size);
    return usable;
}

std::string BuildAdaptiveLine(const CourseWords& usable, std::string_view keysInPlay, char focus,
                              std::mt19937& random, std::size_t target) {
    if (keysInPlay.empty()) return {};
    const std::vector<std::string> choices = Choices(usable.words, keysInPlay, focus);
    const std::vector<std::string> helpers = FocusGroups(usable.groups, focus);
    LineBalance balance(keysInPlay, focus);
    std::vector<double> uses(choices.size(), 0);
    std::vector<double> helperUses(helpers.size(), 0);
    std::size_t helpersTaken = 0;
    std::string line;
    while (line.size() + 1 < target) {
        const std::size_t room = target - line.size() - (line.empty() ? 0 : 1);
        const Pick word = BestOf(choices, uses, room, balance, random);
        if (word.index == kNone) break;
        const Pick helper = BestOf(helpers, helperUses, room, balance, random);
        const bool helps = helpersTaken < kMostLetterGroups && balance.FocusShort() &&
                           helper.index != kNone && helper.distance * kLetterGroupCost < word.distance;
        helpersTaken += helps ? 1 : 0;
        const std::string& chosen = helps ? helpers[helper.index] : choices[word.index];
        double& chosenUses = helps ? helperUses[helper.index] : uses[word.index];
        // A line long enough ends rather than take a word again to fill up.
        if (chosenUses > 0 && line.size() >= target * 3 / 4) break;
        if (!line.empty()) line += ' ';
        line += chosen;
        balance.Add(chosen);
        ++chosenUses;
    }
    return line;
}

}  // namespace zq
