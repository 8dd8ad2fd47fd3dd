#pragma once

#include <string>
#include <vector>

namespace zq {

// What a course author needs to hear about a course folder before learners
// use it: everything the program would trip over, in words, with the file
// and line.
//
// - "layout.zqt" missing or not loadable as the program loads it;
// - "course.txt", "Practice.txt" or "Game.txt" missing or without text;
// - a file that is not in the course's code page: a UTF-8 file with a
//   character the code page lacks (the program shows "?"), an 8-bit file
//   with a byte the code page leaves undefined;
// - a character no key of the template types;
// - a line longer than kLongestCourseTextLine characters in "course.txt"
//   or "Practice.txt" (the program refuses the file), a game word longer
//   than kLongestGameWord;
// - in "course.txt", a key used before it is taught: a line may bring at
//   most two new keys (a character and its Shift partner are one key), and
//   must drill each alone, three times in a row ("fff"; a combining mark
//   or a final form on one letter: "ด่ ด่ ด่");
// - a word that cannot be read aloud: one beginning with a combining mark
//   or a final form, a mark twice on one letter, a final form inside a word.
//
// A drill line longer than kLongestShownLine characters is no fault (the
// drills wrap it over several rows) but a note, as is a line of "Game.txt"
// of only spaces or tabs (it does not end a group of words as an empty
// line does).
//
// The lines of "course.txt" and "Practice.txt" are checked as the drills
// give them to type (TrimControlAndBlank); those of "Game.txt" whole, as
// the game keeps every character of a word.
//
// The course's code page is the one its "course.ini" names, else its
// language's, as Course reads them, else 1252 (and the check says so, with
// what to write for a Language value it cannot use). A template made for
// another code page than the texts are read in is a fault; when it is, or
// the texts hold characters outside the page, and the course names no
// language, a note says how to name it.
//
// A character outside the code page or that no key types is told once a
// line, with how often the line holds it. Of many faults of one kind in
// one file, the first few are told one by
// one, the others in one line that counts them.
struct CourseCheckResult {
    int codePage = 1252;
    std::vector<std::string> notes;  // remarks that are no fault
    std::vector<std::string> faults;
    std::size_t faultCount = 0;  // every fault found, those only counted included
};

// The longest drill line the check takes without a note.
inline constexpr std::size_t kLongestShownLine = 80;

CourseCheckResult CheckCourseFolder(const std::string& folder);

// How many faults the check found, in words: "no faults", "1 fault",
// "25 faults (10 told one by one)".
std::string CheckSummary(const CourseCheckResult& result);

}  // namespace zq
