#pragma once

#include <string>
#include <vector>

namespace zq {

class TProfile;

// The files of the profile's course, in "Courses/<course>/" of the program
// folder. Each path is worked out from the profile's Course when it is first
// asked for and then kept for the run: a course chosen after that takes full
// effect at the next start.
class CourseFiles {
public:
    // `appDir` is the program folder with a trailing "/".
    CourseFiles(std::string appDir, const TProfile& profile);

    const std::string& CoursePath() { return PathOf(coursePath_, "course.txt"); }
    const std::string& PracticePath() { return PathOf(practicePath_, "Practice.txt"); }
    const std::string& GamePath() { return PathOf(gamePath_, "Game.txt"); }
    const std::string& LayoutPath() { return PathOf(layoutPath_, "layout.zqt"); }

private:
    const std::string& PathOf(std::string& path, const char* fileName);

    std::string appDir_;
    const TProfile& profile_;
    std::string coursePath_;
    std::string practicePath_;
    std::string gamePath_;
    std::string layoutPath_;
};

// The names of the courses: the sub-folders of "Courses" in the program
// folder, as 8-bit text of the system code page, in alphabetical order (the
// order a file manager shows). No folder gives no courses.
std::vector<std::string> CourseNames(const std::string& appDir);

}  // namespace zq
