#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zq {

class CourseKeyboard;
class CourseRandom;
class Vocabulary;
class WordPool;

// Makes the kinds of line a course is built of, for a lesson of a plan:
// every line uses only what the learner knows after that lesson, and is at
// most kLongestLine characters long.
class LineMaker {
public:
    static constexpr std::size_t kLongestLine = 60;

    LineMaker(const CourseKeyboard& keyboard, const Vocabulary& vocabulary, const WordPool& pool,
              CourseRandom& random);

    // Tokens joined by spaces, as many as fit.
    static std::u32string JoinWhileFits(const std::vector<std::u32string>& tokens);

    // Each new character alone, three times, then the new ones together:
    // "fff jjj fff jjj ff jj fj jf fjf jfj".
    // A combining mark or a final form stands on a letter: "ด่ ด่ ด่".
    std::u32string Alone(std::size_t lesson, const std::u32string& fresh) const;
    // The new characters between known ones: "fjf jfj dfd".
    std::u32string AmongKnown(std::size_t lesson, const std::u32string& fresh);
    // Made-up groups of 2 to 5 known letters, each with a new one.
    std::u32string Combinations(std::size_t lesson, const std::u32string& fresh);
    // Words that hold a new letter; known words and made-up ones when the
    // dictionary has too few.
    std::u32string Words(std::size_t lesson, const std::u32string& fresh);
    // Known words, with their first letter's capital.
    std::u32string CapitalWords(std::size_t lesson, const std::u32string& capitals);
    // Capitals beside their letters: "Aa Ss Dd".
    std::u32string CapitalPairs(const std::u32string& capitals) const;
    // Numbers of the known digits, the new ones in each.
    std::u32string Numbers(std::size_t lesson, const std::u32string& fresh);
    // A phrase of known words, in sentence case with a comma and a final
    // mark when those are known; with `mark`, the mark is used on several
    // words as the language uses it ("word," "(word)" "word-word"); with
    // `numbers`, a number stands among the words.
    std::u32string Phrase(std::size_t lesson, std::size_t fewestWords, std::size_t mostWords,
                          const std::u32string& marks = {}, bool numbers = false);

private:
    char32_t Carrier(std::size_t lesson, const std::u32string& fresh) const;
    static std::vector<std::u32string> Readable(const std::vector<std::u32string>& tokens, char32_t carrier);
    std::u32string KnownWord(std::size_t lesson, std::size_t longest);
    std::u32string WithMark(std::size_t lesson, const std::u32string& word, char32_t mark,
                            const std::u32string& next);
    std::u32string Capitalised(std::size_t lesson, const std::u32string& word) const;
    std::u32string Number(std::size_t lesson, const std::u32string& fresh);

    const CourseKeyboard& keyboard_;
    const Vocabulary& vocabulary_;
    const WordPool& pool_;
    CourseRandom& random_;
};

}  // namespace zq
