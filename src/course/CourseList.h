#pragma once

#include <string>
#include <vector>

#include "course/Course.h"

namespace zq {

class ProgramPaths;

// The folder that holds the courses of a program's data or users' folder
// (`folder` ends with "/"), without a trailing "/".
std::string CoursesFolder(const std::string& folder);

// Where the courses a learner makes go: the users' folder's courses folder
// (the program folder's, for a program folder), without a trailing "/".
std::string MadeCoursesFolder(const ProgramPaths& paths);

// The names of the courses of a program: the sub-folders of the courses
// folders of its data folder (the courses it ships) and of its users' folder
// (the courses its users made), as the file system names them (UTF-8), each
// once, in alphabetical order without regard to the case of ASCII letters. Hidden
// folders are none (a course being made lies in one). No folder gives no
// courses.
std::vector<std::string> CourseNames(const ProgramPaths& paths);

// The course of that name (UTF-8): the users' folder's when it has one (a
// learner's own course, or their changed copy of a shipped one), else the
// data folder's, which may not exist either (see Course::Exists).
Course FindCourse(const ProgramPaths& paths, const std::string& name);

}  // namespace zq
