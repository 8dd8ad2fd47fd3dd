#include "course/CourseContent.h"

#include "course/CommonWords.h"
#include "course/CourseKeyboard.h"
#include "course/CourseLines.h"
#include "course/CourseRandom.h"
#include "course/GameWords.h"
#include "course/LineMaker.h"
#include "course/PracticeLines.h"
#include "course/UnicodeText.h"
#include "course/Vocabulary.h"
#include "course/WordPool.h"

namespace zq {
namespace {

// A game with fewer groups has too few levels.
constexpr std::size_t kFewestGameGroups = 20;

void CheckLines(const std::vector<std::u32string>& lines, const std::string& file,
                const CourseKeyboard& keyboard, std::vector<std::string>& faults) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where =
            file + " line " + std::to_string(i + 1) + " \"" + ToUtf8Text(lines[i]) + "\"";
        if (lines[i].empty()) faults.push_back(where + " is empty");
        if (lines[i].size() > LineMaker::kLongestLine)
            faults.push_back(where + " is longer than 60 characters");
        for (const char32_t ch : lines[i])
            if (!keyboard.Types(ch)) {
                faults.push_back(where +
                                 " has a character no key types: " + ToUtf8Text(std::u32string(1, ch)));
                break;
            }
    }
}

}  // namespace

CourseContent MakeCourseContent(const CourseKeyboard& keyboard, const WordPool& words, std::string_view seed,
                                std::string_view language) {
    CourseContent content;
    content.plan = PlanLessons(keyboard, words);
    const Vocabulary vocabulary(content.plan, words, keyboard);
    CourseRandom random(seed);
    LineMaker lines(keyboard, vocabulary, words, random);
    content.courseLines = MakeCourseLines(content.plan, vocabulary, lines);
    content.practiceLines = MakePracticeLines(vocabulary, lines);
    content.gameGroups = MakeGameGroups(vocabulary, words, random, CommonWords(language));
    return content;
}

std::vector<std::string> ContentFaults(const CourseContent& content, const CourseKeyboard& keyboard) {
    std::vector<std::string> faults;
    CheckLines(content.courseLines, "course.txt", keyboard, faults);
    CheckLines(content.practiceLines, "Practice.txt", keyboard, faults);
    for (const std::vector<std::u32string>& group : content.gameGroups)
        CheckLines(group, "Game.txt", keyboard, faults);
    if (content.courseLines.size() < kFewestCourseLines)
        faults.push_back("course.txt has only " + std::to_string(content.courseLines.size()) + " lines");
    if (content.practiceLines.size() < 300)
        faults.push_back("Practice.txt has only " + std::to_string(content.practiceLines.size()) + " lines");
    if (content.gameGroups.size() < kFewestGameGroups)
        faults.push_back("Game.txt has only " + std::to_string(content.gameGroups.size()) + " word groups");
    return faults;
}

}  // namespace zq
