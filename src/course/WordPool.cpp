#include "course/WordPool.h"

#include <iconv.h>
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_set>

#include "base/CodePage.h"
#include "course/CourseKeyboard.h"
#include "course/CourseRandom.h"
#include "course/ReadableGroups.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

// The share of words, by how plausible their letter pairs are, that are
// left out as foreign: "web", "show", "yeux" in the dictionaries of other
// languages.
constexpr double kForeignShare = 0.2;
// Made-up groups tried before the simplest one that can be read is taken.
constexpr int kReadableTries = 24;

std::uint64_t PairKey(char32_t first, char32_t second) {
    return static_cast<std::uint64_t>(first) << 32 | second;
}

// Vietnamese: glibc's converter to code page 1258 splits a toned vowel into
// the vowel and the tone mark, as the code page wants.
std::optional<std::u32string> ThroughConverter(const std::u32string& word) {
    static thread_local iconv_t cd = iconv_open("CP1258", "UTF-32LE");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::u32string input = word;
    char* in = reinterpret_cast<char*>(input.data());
    size_t inLeft = input.size() * sizeof(char32_t);
    std::string bytes(word.size() * 4 + 8, '\0');
    char* out = bytes.data();
    size_t outLeft = bytes.size();
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &out, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    bytes.resize(bytes.size() - outLeft);
    std::u32string result;
    for (const char byte : bytes) {
        const char32_t ch = CharOfCode(static_cast<unsigned char>(byte));
        if (ch == 0xFFFD) return std::nullopt;
        result += ch;
    }
    return result;
}

}  // namespace

std::optional<std::u32string> InCodePage(const std::u32string& word) {
    std::u32string result;
    bool complete = true;
    for (const char32_t ch : word) {
        if (ch == U'\u0133') {  // the Dutch ligature ĳ is written as two letters
            result += U"ij";
        } else if (ch == U'\u0132') {
            result += U"IJ";
        } else if (CodeOfChar(ch)) {
            result += ch;
        } else {
            complete = false;
            break;
        }
    }
    if (complete) return result;
    if (SystemCodePage() == 1258) return ThroughConverter(word);
    return std::nullopt;
}

WordPool::WordPool(const std::vector<std::u32string>& dictionary, const CourseKeyboard& keyboard) {
    // What each character is, worked out once: a large dictionary has
    // millions of letters but only some hundred different ones.
    enum : std::uint8_t { kKnown = 1, kWordLetter = 2, kInCodePage = 4, kTypable = 8, kVowel = 16 };
    std::vector<std::uint8_t> classes(0x10000, 0);
    const auto classOf = [&](char32_t ch) {
        const auto work = [&] {
            return static_cast<std::uint8_t>(kKnown | (IsLetter(ch) && !IsUpperCase(ch) ? kWordLetter : 0) |
                                             (CodeOfChar(ch) ? kInCodePage : 0) |
                                             (keyboard.Types(ch) ? kTypable : 0) |
                                             (IsVowel(ch) ? kVowel : 0));
        };
        if (ch >= classes.size()) return work();
        if (!(classes[ch] & kKnown)) classes[ch] = work();
        return classes[ch];
    };
    const auto all = [&](const std::u32string& word, std::uint8_t what) {
        return std::all_of(word.begin(), word.end(), [&](char32_t ch) { return (classOf(ch) & what) != 0; });
    };
    const auto hasVowel = [&](const std::u32string& word) {
        return std::any_of(word.begin(), word.end(),
                           [&](char32_t ch) { return (classOf(ch) & kVowel) != 0; });
    };

    std::vector<std::u32string> candidates;
    std::vector<std::uint64_t> counts(0x10000, 0);
    const auto count = [&](const std::u32string& word) {
        for (const char32_t ch : word) {
            if (ch < counts.size()) {
                ++counts[ch];
            } else {
                frequency_[ch] += 1;
            }
        }
    };
    const auto isCandidate = [&](const std::u32string& word) {
        return word.size() >= kShortestWord && word.size() <= kLongestWord && all(word, kTypable);
    };
    std::size_t withVowel = 0;
    for (const std::u32string& entry : dictionary) {
        if (entry.empty() || entry.size() > kLongestWord * 2 || !all(entry, kWordLetter)) continue;
        if (all(entry, kInCodePage)) {  // most words: no copy unless they are kept
            count(entry);
            if (!isCandidate(entry)) continue;
            candidates.push_back(entry);
        } else {
            std::optional<std::u32string> word = InCodePage(entry);
            if (!word) continue;
            count(*word);
            if (!isCandidate(*word)) continue;
            candidates.push_back(std::move(*word));
        }
        if (hasVowel(candidates.back())) ++withVowel;
    }
    for (std::size_t ch = 0; ch < counts.size(); ++ch)
        if (counts[ch]) frequency_[static_cast<char32_t>(ch)] += static_cast<double>(counts[ch]);
    double total = 0;
    for (const auto& [letter, number] : frequency_) total += number;
    for (auto& [letter, number] : frequency_) number /= total;

    // Words without a vowel are abbreviations ("km", "рт") in a script
    // that has vowels.
    const bool scriptHasVowels = withVowel * 2 > candidates.size();
    std::unordered_set<std::u32string_view> seen;
    seen.reserve(candidates.size());
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (scriptHasVowels && !hasVowel(candidates[i])) continue;
        if (!seen.insert(candidates[i]).second) continue;
        CountPairs(candidates[i]);
        kept.push_back(i);
    }
    std::vector<std::u32string> unique;
    unique.reserve(kept.size());
    for (const std::size_t i : kept) unique.push_back(std::move(candidates[i]));
    std::vector<std::pair<double, std::size_t>> scored;
    scored.reserve(unique.size());
    for (std::size_t i = 0; i < unique.size(); ++i) scored.emplace_back(Plausibility(unique[i]), i);
    std::vector<std::pair<double, std::size_t>> ranked = scored;
    const auto dropped = static_cast<std::size_t>(static_cast<double>(ranked.size()) * kForeignShare);
    std::nth_element(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(dropped), ranked.end());
    const double threshold = ranked.empty() ? 0 : ranked[dropped].first;
    for (const auto& [score, index] : scored) {
        if (score >= threshold) {
            words_.push_back(std::move(unique[index]));
        } else {
            leftOut_.insert(std::move(unique[index]));
        }
    }
}

void WordPool::CountPairs(const std::u32string& word) {
    char32_t previous = 0;
    for (const char32_t ch : word) {
        ++pairs_[PairKey(previous, ch)];
        ++pairStarts_[previous];
        previous = ch;
    }
    ++pairs_[PairKey(previous, 0)];
    ++pairStarts_[previous];
}

double WordPool::Frequency(char32_t letter) const {
    const auto found = frequency_.find(letter);
    return found != frequency_.end() ? found->second : 0.0;
}

// The mean logarithm of the chance of each letter after the one before.
double WordPool::Plausibility(const std::u32string& word) const {
    double sum = 0;
    char32_t previous = 0;
    for (std::size_t i = 0; i <= word.size(); ++i) {
        const char32_t ch = i < word.size() ? word[i] : 0;
        const auto pair = pairs_.find(PairKey(previous, ch));
        const auto starts = pairStarts_.find(previous);
        const double count = pair != pairs_.end() ? pair->second : 0.5;
        sum += std::log(count / (starts != pairStarts_.end() ? starts->second : 1));
        previous = ch;
    }
    return sum / static_cast<double>(word.size() + 1);
}

std::u32string WordPool::FromPairs(const std::u32string& letters, std::size_t length,
                                   CourseRandom& random) const {
    std::u32string word;
    char32_t previous = 0;
    while (word.size() < length) {
        std::uint64_t total = 0;
        // A letter a third time in a row is no word of any language.
        const auto allowed = [&](char32_t ch) {
            return word.size() < 2 || ch != word.back() || ch != word[word.size() - 2];
        };
        for (const char32_t ch : letters) {
            const auto pair = pairs_.find(PairKey(previous, ch));
            if (pair != pairs_.end() && allowed(ch)) total += pair->second;
        }
        if (total == 0) return word;
        std::uint64_t pick = random.Below(total);
        for (const char32_t ch : letters) {
            const auto pair = pairs_.find(PairKey(previous, ch));
            if (pair == pairs_.end() || !allowed(ch)) continue;
            if (pick < pair->second) {
                word += ch;
                previous = ch;
                break;
            }
            pick -= pair->second;
        }
    }
    return word;
}

std::u32string WordPool::MakeUpWord(const std::u32string& letters, const std::u32string& wanted,
                                    std::size_t longest, CourseRandom& random) const {
    if (letters.empty()) return {};
    longest = std::max(longest, kShortestWord);
    const auto holdsWanted = [&](const std::u32string& word) {
        return wanted.empty() || std::any_of(word.begin(), word.end(), [&](char32_t ch) {
                   return wanted.find(ch) != std::u32string::npos;
               });
    };
    const std::size_t length = kShortestWord + random.Below(longest - kShortestWord + 1);
    if (!pairs_.empty()) {
        for (int attempt = 0; attempt < 12; ++attempt) {
            std::u32string word = FromPairs(letters, length, random);
            if (word.size() >= kShortestWord && holdsWanted(word) && IsReadableGroup(word)) return word;
        }
    }
    // Letters at random seldom make a group that can be read in a script
    // with combining marks or final forms: a few more tries, then the
    // simplest such group.
    std::u32string word;
    for (int attempt = 0; attempt < kReadableTries; ++attempt) {
        word = FromSyllables(letters, wanted, longest, length, random);
        if (IsReadableGroup(word)) return word;
    }
    return SimplestReadable(letters, wanted, word, random);
}

std::u32string WordPool::FromSyllables(const std::u32string& letters, const std::u32string& wanted,
                                       std::size_t longest, std::size_t length, CourseRandom& random) {
    std::u32string vowels, consonants;
    for (const char32_t ch : letters) (IsVowel(ch) ? vowels : consonants) += ch;
    std::u32string word;
    if (!vowels.empty() && !consonants.empty()) {
        // Syllables as most languages build them.
        static constexpr const char* kPatterns[] = {"CV",  "VC",   "CVC",   "CVCV",
                                                    "VCV", "CVCC", "CVCCV", "CVCVC"};
        std::vector<std::string_view> fitting;
        for (const char* pattern : kPatterns)
            if (std::string_view(pattern).size() <= longest) fitting.emplace_back(pattern);
        for (const char kind : random.Pick(fitting)) {
            const std::u32string& from = kind == 'V' ? vowels : consonants;
            word += from[random.Below(from.size())];
        }
    } else {
        for (std::size_t i = 0; i < length; ++i) word += letters[random.Below(letters.size())];
    }
    const auto holdsWanted = std::any_of(
        word.begin(), word.end(), [&](char32_t ch) { return wanted.find(ch) != std::u32string::npos; });
    if (!wanted.empty() && !holdsWanted)
        word[random.Below(word.size())] = wanted[random.Below(wanted.size())];
    return word;
}

// A base letter, and the wanted mark or final form after it ("ด่", "כך"),
// or the wanted letter before it.
std::u32string WordPool::SimplestReadable(const std::u32string& letters, const std::u32string& wanted,
                                          const std::u32string& tried, CourseRandom& random) {
    std::u32string bases;
    for (const char32_t ch : letters)
        if (IsBaseLetter(ch) && !IsFinalForm(ch)) bases += ch;
    if (bases.empty()) return tried;  // nothing a word could begin with
    const char32_t base = bases[random.Below(bases.size())];
    if (wanted.empty()) return std::u32string{base, base};
    const char32_t ch = wanted[random.Below(wanted.size())];
    return IsCombiningMark(ch) || IsFinalForm(ch) || !IsBaseLetter(ch) ? std::u32string{base, ch}
                                                                       : std::u32string{ch, base};
}

}  // namespace zq
