#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// The longest line a course's text file ("course.txt", "Practice.txt",
// "Game.txt") may hold, in characters. A line is one sample, typed in one
// go: the longest a shipped or made course holds is near a tenth of this.
// A file of one endless line (megabytes without a line break) would keep
// the drill from opening for minutes.
inline constexpr std::size_t kLongestCourseTextLine = 1000;

// The lines of a course's text file, given as 8-bit text of the course's
// code page, split as SplitLines splits them. Raises a LibraryError that
// names `path`, the line's number and the bound when a line is longer than
// kLongestCourseTextLine.
std::vector<std::string> CourseTextLines(std::string_view text8, std::string_view path);

// The same for the file at `path`, read in `codePage` (see ReadTextLines);
// raises the library's "Cannot open file" error when it cannot be read.
std::vector<std::string> ReadCourseTextLines(const std::string& path, int codePage);

// A line of a course's text file as the drills give it to type: without
// leading and trailing characters of codes 0 to 32 (spaces, tabs and
// other control characters at its ends are never asked for).
std::string TrimControlAndBlank(std::string_view text);

}  // namespace zq
