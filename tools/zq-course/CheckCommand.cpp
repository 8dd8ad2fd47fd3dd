// zq-course check FOLDER: tells what the program would trip over in a
// course folder. Exit status 0 when the course is sound, 1 when faults
// were found (each on standard output), 2 for wrong arguments.

#include <filesystem>
#include <iostream>
#include <string>

#include "Commands.h"
#include "course/CourseCheck.h"

namespace zq {

int RunCheck(const std::vector<std::string>& args) {
    if (args.size() != 1) return ShowUsage();
    const CourseCheckResult result = CheckCourseFolder(args[0]);
    for (const std::string& note : result.notes) std::cout << "note: " << note << "\n";
    for (const std::string& fault : result.faults) std::cout << "fault: " << fault << "\n";
    // A folder that is not there was read in no code page.
    const bool folder = std::filesystem::is_directory(args[0]);
    std::cout << args[0] << ": " << (folder ? "code page " + std::to_string(result.codePage) + ", " : "")
              << CheckSummary(result) << "\n";
    return result.faults.empty() ? 0 : 1;
}

}  // namespace zq
