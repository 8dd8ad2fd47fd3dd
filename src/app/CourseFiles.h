#pragma once

#include <string>

#include "course/Course.h"

namespace zq {

class TProfile;

// The files of the profile's course (see Course). Each path is worked out
// from the profile's Course when it is first asked for and then kept for the
// run: a course chosen after that takes full effect at the next start.
class CourseFiles {
public:
    // `appDir` is the program folder with a trailing "/".
    CourseFiles(std::string appDir, const TProfile& profile);

    const std::string& CoursePath() { return PathOf(coursePath_, &Course::CoursePath); }
    const std::string& PracticePath() { return PathOf(practicePath_, &Course::PracticePath); }
    const std::string& GamePath() { return PathOf(gamePath_, &Course::GamePath); }
    const std::string& LayoutPath() { return PathOf(layoutPath_, &Course::LayoutPath); }

private:
    using FilePath = std::string (Course::*)() const;
    const std::string& PathOf(std::string& path, FilePath file);

    std::string appDir_;
    const TProfile& profile_;
    std::string coursePath_;
    std::string practicePath_;
    std::string gamePath_;
    std::string layoutPath_;
};

}  // namespace zq
