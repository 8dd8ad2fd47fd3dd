#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zq {

class CourseKeyboard;
class CourseRandom;

// The words a course can use, taken from a dictionary: lower-case words of
// letters only (no names, no abbreviations, no numbers), 2 to 12 letters,
// with a vowel where the language's script has vowels, every character
// typable on the course's keyboard. Words whose letter pairs are rare in the
// language (foreign words, most of them) are left out. Characters are
// those of the code page in force; Vietnamese tones become the separate
// marks code page 1258 holds, and the Dutch "ĳ" becomes "ij".
//
// The pool also knows how often each letter occurs in the dictionary and
// which letter follows which, to make up words that look like the language.
class WordPool {
public:
    static constexpr std::size_t kShortestWord = 2;
    static constexpr std::size_t kLongestWord = 12;

    WordPool() = default;  // no dictionary: no words, no letter counts
    WordPool(const std::vector<std::u32string>& dictionary, const CourseKeyboard& keyboard);

    bool Empty() const { return words_.empty(); }
    // The words, each once, in the dictionary's order.
    const std::vector<std::u32string>& Words() const { return words_; }
    // Whether the dictionary has the word, typable on the keyboard, but it
    // was left out of Words() for its rare letter pairs. Short everyday
    // words may be among them: their few pairs are mostly a word's edges.
    bool LeftOutAsForeign(const std::u32string& word) const { return leftOut_.contains(word); }
    // Share of the dictionary's letters that are this one (0 when unknown).
    double Frequency(char32_t letter) const;

    // A made-up word of 2 to `longest` letters, all of `letters`, holding
    // at least one of `wanted` (when it is not empty): built from the
    // dictionary's letter pairs when there is a dictionary, else from
    // consonants and vowels, else (scripts without vowels) at random. The
    // word can be read (see ReadableGroups.h): it begins with a base letter,
    // its marks follow letters, a final form ends it.
    std::u32string MakeUpWord(const std::u32string& letters, const std::u32string& wanted,
                              std::size_t longest, CourseRandom& random) const;

private:
    // Counts which letter follows which (0 standing for the word's edges).
    void CountPairs(const std::u32string& word);
    double Plausibility(const std::u32string& word) const;
    std::u32string FromPairs(const std::u32string& letters, std::size_t length, CourseRandom& random) const;
    // Of consonants and vowels, else of letters at random, holding one of
    // `wanted` (when it is not empty).
    static std::u32string FromSyllables(const std::u32string& letters, const std::u32string& wanted,
                                        std::size_t longest, std::size_t length, CourseRandom& random);
    static std::u32string SimplestReadable(const std::u32string& letters, const std::u32string& wanted,
                                           const std::u32string& tried, CourseRandom& random);

    std::vector<std::u32string> words_;
    std::unordered_set<std::u32string> leftOut_;
    std::map<char32_t, double> frequency_;
    std::unordered_map<std::uint64_t, std::uint32_t> pairs_;  // (first << 32 | second); 0 marks a word's edge
    std::unordered_map<char32_t, std::uint32_t> pairStarts_;
};

// The characters of the code page in force that spell `word`, or nothing
// when it has characters the code page lacks.
std::optional<std::u32string> InCodePage(const std::u32string& word);

}  // namespace zq
