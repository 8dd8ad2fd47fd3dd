#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

class Course;

// The words a course's practice lines are made of (8-bit text of the
// course's code page), the language's real words apart from the letter
// groups of the course's drill lines ("fff", "jfj", "ыаы"): lines are made
// of real words, and of groups only for keys no real word holds.
struct CourseWords {
    CourseWords() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a list of words is all real words
    CourseWords(std::vector<std::string> realWords, std::vector<std::string> letterGroups = {})
        : words(std::move(realWords)), groups(std::move(letterGroups)) {}

    std::vector<std::string> words;   // each once, in the order the texts have them
    std::vector<std::string> groups;  // each once, none of them among `words`
};

// Tells the words of a course's texts apart. Those of its sentences and its
// game (`otherLines`) are real words, and so are those of the lines of its
// course (`courseLines`) at least half of whose words are real words (a
// line of words with the keys taught so far); the other words of its
// course are letter groups.
CourseWords SplitCourseWords(const std::vector<std::string>& courseLines,
                             const std::vector<std::string>& otherLines);

// The words of the course's files: "course.txt", "Practice.txt" and
// "Game.txt" (a file that is missing or unreadable gives nothing). The one
// source of the adaptive drill's words and of the progress window's
// practice lines.
CourseWords ReadCourseWords(const Course& course);

// The words and groups made only of `characters`.
CourseWords WordsOnlyOf(const CourseWords& words, std::string_view characters);

}  // namespace zq
