#include "app/CourseFolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/CodePage.h"
#include "profile/TProfile.h"

namespace zq {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCoursesFolder = "Courses/";

}  // namespace

CourseFiles::CourseFiles(std::string appDir, const TProfile& profile)
    : appDir_(std::move(appDir)), profile_(profile) {}

const std::string& CourseFiles::PathOf(std::string& path, const char* fileName) {
    // The profile holds the course name in the code page; the file system
    // names folders in UTF-8.
    if (path.empty()) path = appDir_ + kCoursesFolder + ToUtf8(profile_.Course) + "/" + fileName;
    return path;
}

std::vector<std::string> CourseNames(const std::string& appDir) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(appDir + kCoursesFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code unreadable;  // an entry that cannot be examined is no course
        if (entry->is_directory(unreadable)) names.push_back(FromUtf8(entry->path().filename().string()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace zq
