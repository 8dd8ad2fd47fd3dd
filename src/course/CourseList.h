#pragma once

#include <string>
#include <vector>

namespace zq {

// The folder that holds the courses of a program folder (`programFolder`
// ends with "/"), without a trailing "/".
std::string CoursesFolder(const std::string& programFolder);

// The names of the courses of a program folder: the sub-folders of its
// courses folder, as 8-bit text of the code page in force, in alphabetical
// order (the order a file manager shows). No folder gives no courses.
std::vector<std::string> CourseNames(const std::string& programFolder);

}  // namespace zq
