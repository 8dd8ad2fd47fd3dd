#include "app/CourseFiles.h"

#include "profile/TProfile.h"

namespace zq {

CourseFiles::CourseFiles(std::string appDir, const TProfile& profile)
    : appDir_(std::move(appDir)), profile_(profile) {}

const std::string& CourseFiles::PathOf(std::string& path, FilePath file) {
    if (path.empty()) path = (Course(appDir_, profile_.Course).*file)();
    return path;
}

}  // namespace zq
