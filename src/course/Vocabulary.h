#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "course/LessonPlan.h"

namespace zq {

class CourseKeyboard;
class WordPool;

// What a learner can type after each lesson of a plan: the characters
// taught so far, and the dictionary's words made only of them.
class Vocabulary {
public:
    static constexpr std::size_t kNotTaught = static_cast<std::size_t>(-1);

    Vocabulary(const std::vector<Lesson>& plan, const WordPool& pool, const CourseKeyboard& keyboard);

    std::size_t LessonCount() const { return known_.size(); }
    // The lesson that teaches a character; kNotTaught for one never taught.
    // The capital of a letter that needs AltGr comes with the letter.
    std::size_t LessonOf(char32_t ch) const;
    bool Knows(std::size_t lesson, char32_t ch) const { return LessonOf(ch) <= lesson; }
    // The characters taught up to and with the lesson.
    const std::u32string& KnownAfter(std::size_t lesson) const { return known_[lesson]; }
    // The letters among them, and the combining marks, which are spelt
    // with letters.
    std::u32string LettersAfter(std::size_t lesson) const;

    // The words first typable in this lesson: each holds one of its
    // letters. The words are the pool's, which must outlive the vocabulary.
    const std::vector<const std::u32string*>& NewWords(std::size_t lesson) const { return newWords_[lesson]; }
    // The words typable after the lesson, counted and taken by number
    // (those of earlier lessons first), without copying them all.
    std::size_t KnownWordCount(std::size_t lesson) const;
    const std::u32string& KnownWord(std::size_t lesson, std::size_t index) const;
    // Every word the whole course makes typable, with the lesson it comes in.
    const std::vector<std::pair<const std::u32string*, std::size_t>>& AllWords() const { return allWords_; }

private:
    std::map<char32_t, std::size_t> lessonOf_;
    std::vector<std::u32string> known_;
    std::vector<std::vector<const std::u32string*>> newWords_;
    std::vector<std::pair<const std::u32string*, std::size_t>> allWords_;
};

}  // namespace zq
