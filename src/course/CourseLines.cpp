#include "course/CourseLines.h"

#include <algorithm>
#include <functional>
#include <set>

#include "course/LineMaker.h"
#include "course/UnicodeText.h"
#include "course/Vocabulary.h"

namespace zq {
namespace {

constexpr int kReviewLines = 4;
// A line that comes out the same as an earlier one is made again, this
// often at most, before it is left out.
constexpr int kAttempts = 6;

class CourseBuilder {
public:
    CourseBuilder(const Vocabulary& vocabulary, LineMaker& lines)
        : vocabulary_(vocabulary), lines_(lines), scriptHasVowels_(ScriptHasVowels(vocabulary)) {}

    void Add(const std::function<std::u32string()>& make) {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            std::u32string line = make();
            while (!line.empty() && line.back() == U' ') line.pop_back();
            if (line.empty()) return;
            if (seen_.insert(line).second) {
                result_.push_back(std::move(line));
                return;
            }
        }
    }

    void Lesson(std::size_t index, const zq::Lesson& lesson) {
        const std::u32string& fresh = lesson.characters;
        switch (lesson.kind) {
            case LessonKind::Letters:
            case LessonKind::AltGrLetters:
                LetterLesson(index, fresh);
                break;
            case LessonKind::Capitals:
                Add([&] { return lines_.CapitalPairs(fresh); });
                for (int i = 0; i < 2; ++i) Add([&] { return lines_.CapitalWords(index, fresh); });
                for (int i = 0; i < 2; ++i) Add([&] { return lines_.Phrase(index, 4, 8); });
                break;
            case LessonKind::Digits:
                Add([&] { return lines_.Alone(index, fresh); });
                Add([&] { return lines_.Numbers(index, fresh); });
                for (int i = 0; i < 2; ++i) Add([&] { return lines_.Phrase(index, 4, 8, {}, true); });
                break;
            case LessonKind::Punctuation:
            case LessonKind::Symbols:
                Add([&] { return lines_.Alone(index, fresh); });
                for (int i = 0; i < 3; ++i) Add([&] { return lines_.Phrase(index, 4, 8, fresh); });
                break;
        }
    }

    void Review(std::size_t index, int count) {
        for (int i = 0; i < count; ++i) Add([&] { return lines_.Phrase(index, 5, 9); });
    }

    std::vector<std::u32string>& Result() { return result_; }

private:
    void LetterLesson(std::size_t index, const std::u32string& fresh) {
        Add([&] { return lines_.Alone(index, fresh); });
        Add([&] { return lines_.AmongKnown(index, fresh); });
        // Words only once the learner has a vowel to make them with, in a
        // script that has vowels; before that, two lines of letter groups.
        const std::u32string letters = vocabulary_.LettersAfter(index);
        if (scriptHasVowels_ && std::none_of(letters.begin(), letters.end(), IsVowel)) {
            for (int i = 0; i < 2; ++i) Add([&] { return lines_.Combinations(index, fresh); });
            return;
        }
        Add([&] { return lines_.Combinations(index, fresh); });
        for (int i = 0; i < 3; ++i) Add([&] { return lines_.Words(index, fresh); });
        for (int i = 0; i < 3; ++i) Add([&] { return lines_.Phrase(index, 4, 8); });
    }

    // Without a dictionary the made-up words follow the vowels of the
    // keyboard's letters.
    static bool ScriptHasVowels(const Vocabulary& vocabulary) {
        const auto& words = vocabulary.AllWords();
        if (words.empty()) {
            const std::u32string letters =
                vocabulary.LessonCount() ? vocabulary.LettersAfter(vocabulary.LessonCount() - 1) : U"";
            return std::any_of(letters.begin(), letters.end(), IsVowel);
        }
        return std::any_of(words.begin(), words.end(), [](const auto& word) {
            return std::any_of(word.first->begin(), word.first->end(), IsVowel);
        });
    }

    const Vocabulary& vocabulary_;
    LineMaker& lines_;
    bool scriptHasVowels_;
    std::set<std::u32string> seen_;
    std::vector<std::u32string> result_;
};

}  // namespace

std::vector<std::u32string> MakeCourseLines(const std::vector<Lesson>& plan, const Vocabulary& vocabulary,
                                            LineMaker& lines) {
    CourseBuilder course(vocabulary, lines);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        course.Lesson(i, plan[i]);
        const bool endOfKind = i + 1 == plan.size() || plan[i + 1].kind != plan[i].kind;
        if (endOfKind) course.Review(i, kReviewLines);
    }
    if (plan.empty()) return {};
    const std::size_t last = plan.size() - 1;
    for (int round = 0; round < 200 && course.Result().size() < kFewestCourseLines; ++round)
        course.Review(last, 1);
    return std::move(course.Result());
}

}  // namespace zq
