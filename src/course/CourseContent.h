#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/LessonPlan.h"

namespace zq {

class CourseKeyboard;
class WordPool;

// The texts of a course, before they are written: characters of the code
// page in force, as Unicode.
struct CourseContent {
    std::vector<Lesson> plan;
    std::vector<std::u32string> courseLines;              // "course.txt"
    std::vector<std::u32string> practiceLines;            // "Practice.txt"
    std::vector<std::vector<std::u32string>> gameGroups;  // "Game.txt"
};

// Makes the texts of a course for a keyboard from the pool's words; the
// game's first groups take the everyday words of `language` (ISO 639-1)
// among them. The same keyboard, words, `seed` (the layout's name) and
// language give the same texts.
CourseContent MakeCourseContent(const CourseKeyboard& keyboard, const WordPool& words, std::string_view seed,
                                std::string_view language);

// What makes the texts unfit for the keyboard, in words: characters it
// cannot type, lines longer than LineMaker::kLongestLine, empty lines, too
// few lines. Empty when they are sound.
std::vector<std::string> ContentFaults(const CourseContent& content, const CourseKeyboard& keyboard);

}  // namespace zq
