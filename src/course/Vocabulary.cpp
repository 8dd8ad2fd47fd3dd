#include "course/Vocabulary.h"

#include <algorithm>

#include "course/CourseKeyboard.h"
#include "course/UnicodeText.h"
#include "course/WordPool.h"

namespace zq {

Vocabulary::Vocabulary(const std::vector<Lesson>& plan, const WordPool& pool,
                       const CourseKeyboard& keyboard) {
    std::u32string known = U" ";
    lessonOf_[U' '] = 0;
    for (std::size_t lesson = 0; lesson < plan.size(); ++lesson) {
        for (const char32_t ch : plan[lesson].characters) {
            lessonOf_.emplace(ch, lesson);
            known += ch;
            // A letter's capital is the same key with Shift; once the
            // Shift keys are taught it comes with the letter.
            const char32_t capital = keyboard.CapitalOf(ch);
            if (plan[lesson].kind == LessonKind::AltGrLetters && capital && !lessonOf_.contains(capital)) {
                lessonOf_.emplace(capital, lesson);
                known += capital;
            }
        }
        known_.push_back(known);
    }
    newWords_.resize(plan.size());
    for (const std::u32string& word : pool.Words()) {
        std::size_t lesson = 0;
        for (const char32_t ch : word) lesson = std::max(lesson, LessonOf(ch));
        if (lesson == kNotTaught) continue;
        newWords_[lesson].push_back(&word);
        allWords_.emplace_back(&word, lesson);
    }
}

std::size_t Vocabulary::LessonOf(char32_t ch) const {
    const auto found = lessonOf_.find(ch);
    return found != lessonOf_.end() ? found->second : kNotTaught;
}

std::u32string Vocabulary::LettersAfter(std::size_t lesson) const {
    std::u32string letters;
    for (const char32_t ch : known_[lesson])
        if ((IsLetter(ch) || IsCombiningMark(ch)) && !IsUpperCase(ch)) letters += ch;
    return letters;
}

std::size_t Vocabulary::KnownWordCount(std::size_t lesson) const {
    std::size_t count = 0;
    for (std::size_t i = 0; i <= lesson && i < newWords_.size(); ++i) count += newWords_[i].size();
    return count;
}

const std::u32string& Vocabulary::KnownWord(std::size_t lesson, std::size_t index) const {
    for (std::size_t i = 0; i <= lesson && i < newWords_.size(); ++i) {
        if (index < newWords_[i].size()) return *newWords_[i][index];
        index -= newWords_[i].size();
    }
    static const std::u32string kNone;
    return kNone;
}

}  // namespace zq
