#include "course/CourseList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/CodePage.h"

namespace zq {

namespace fs = std::filesystem;

std::string CoursesFolder(const std::string& programFolder) {
    return programFolder + "Courses";
}

std::vector<std::string> CourseNames(const std::string& programFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(CoursesFolder(programFolder), error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code unreadable;  // an entry that cannot be examined is no course
        if (entry->is_directory(unreadable)) names.push_back(FromUtf8(entry->path().filename().string()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace zq
