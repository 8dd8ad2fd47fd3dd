#include "course/CourseList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/AsciiText.h"
#include "base/ProgramPaths.h"

namespace zq {

namespace fs = std::filesystem;

namespace {

void AddCourseNames(const std::string& coursesFolder, std::vector<std::string>& names) {
    std::error_code error;
    for (fs::directory_iterator entry(coursesFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code unreadable;  // an entry that cannot be examined is no course
        const std::string name = entry->path().filename().string();
        // A hidden folder is none either: a course being made lies in one.
        if (entry->is_directory(unreadable) && !name.starts_with('.')) names.push_back(name);
    }
}

}  // namespace

std::string CoursesFolder(const std::string& folder) {
    return folder + "Courses";
}

std::string MadeCoursesFolder(const ProgramPaths& paths) {
    return CoursesFolder(paths.UsersFolder());
}

std::vector<std::string> CourseNames(const ProgramPaths& paths) {
    std::vector<std::string> names;
    AddCourseNames(CoursesFolder(paths.DataFolder()), names);
    if (paths.UsersFilesApart()) AddCourseNames(MadeCoursesFolder(paths), names);
    // Letter case does not order the list ("M-pl" among the M's, not before
    // "Magyar"); names that differ only in it keep the order of their bytes.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string lowerA = AsciiLower(a), lowerB = AsciiLower(b);
        return lowerA != lowerB ? lowerA < lowerB : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

Course FindCourse(const ProgramPaths& paths, const std::string& name) {
    if (paths.UsersFilesApart()) {
        Course made(paths.UsersFolder(), name);
        if (made.Exists()) return made;
    }
    return Course(paths.DataFolder(), name);
}

}  // namespace zq
