#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stats/CourseWords.h"

namespace zq {

class Course;

// The texts of a course: the lines of its course, its sentences and its
// game's words (8-bit text of the course's code page; a file that is
// missing or unreadable gives nothing). Its practice lines are made of
// ReadCourseWords.
std::vector<std::string> ReadCourseTexts(const Course& course);

// The lines of the course's "course.txt" (8-bit text of the course's code
// page); nothing when it is missing or unreadable.
std::vector<std::string> ReadCourseLines(const Course& course);

// The characters a course has taught up to and including its line `line`
// (0-based; a line past the end: every line): those of its lines so far,
// each once.
std::string TaughtCharacters(const std::vector<std::string>& courseLines, std::int32_t line);

// The words made only of `characters`.
std::vector<std::string> WordsOnlyOf(const std::vector<std::string>& words, std::string_view characters);

// The distinct words of texts (runs of characters other than blanks), in
// the order they first appear.
std::vector<std::string> WordsOf(const std::vector<std::string>& lines);

// A practice line of at most `target` characters: words that hold the weak
// keys, taken in turn for each key (so every key gets its share) in an
// order that `seed` shuffles, with one blank between words. Real words
// serve a key when any holds it, else letter groups; a key that neither
// holds is practised as three of it ("qqq"). Empty without keys.
std::string BuildWeakKeyLine(const CourseWords& words, std::string_view weakKeys, std::uint32_t seed,
                             std::size_t target = 80);

// The same for pieces of words (pairs of keys, say): words that hold each
// piece, taken in turn (real words before letter groups); a piece that none
// holds is practised as three of it ("ththth"). Empty without pieces.
std::string BuildPracticeLine(const CourseWords& words, const std::vector<std::string>& pieces,
                              std::uint32_t seed, std::size_t target = 80);

}  // namespace zq
