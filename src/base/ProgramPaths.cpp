#include "base/ProgramPaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/ProgramFolder.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

// An installed program's data and modules, from the folder of the program
// file ("../share/zq-typing-tutor"), as the build's install layout has them.
constexpr const char* kDataFromProgram = ZQ_DATA_FROM_PROGRAM;
constexpr const char* kModulesFromProgram = ZQ_MODULES_FROM_PROGRAM;

std::string FolderName(const fs::path& path) {
    std::string name = path.lexically_normal().string();
    if (name.empty() || name.back() != '/') name += '/';
    return name;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

}  // namespace

ProgramPaths::ProgramPaths(const std::string& folder) : ProgramPaths(folder, folder, folder) {}

ProgramPaths::ProgramPaths(std::string dataFolder, std::string usersFolder, std::string modulesFolder)
    : dataFolder_(std::move(dataFolder)),
      usersFolder_(std::move(usersFolder)),
      modulesFolder_(std::move(modulesFolder)) {}

ProgramPaths ProgramPaths::OfRunningProgram() {
    const std::string programFolder = ProgramFolder();
    return Decide(programFolder, access(programFolder.c_str(), W_OK) == 0,
                  PersonalDataFolder(std::getenv("XDG_DATA_HOME"), HomeFolder()));
}

ProgramPaths ProgramPaths::Decide(const std::string& programFolder, bool folderWritable,
                                  const std::string& personalFolder) {
    const std::string installedData = FolderName(fs::path(programFolder) / kDataFromProgram);
    if (IsFolder(installedData)) {
        return ProgramPaths(installedData, personalFolder,
                            FolderName(fs::path(programFolder) / kModulesFromProgram));
    }
    return ProgramPaths(programFolder, folderWritable ? programFolder : personalFolder, programFolder);
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    if (const passwd* account = getpwuid(getuid()); account != nullptr && account->pw_dir != nullptr) {
        return account->pw_dir;
    }
    return ".";
}

std::string PersonalDataFolder(const char* xdgDataHome, const std::string& home) {
    // XDG_DATA_HOME counts only when it is an absolute path, as desktops read it.
    const fs::path base = xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()
                              ? fs::path(xdgDataHome)
                              : fs::path(home) / ".local/share";
    return FolderName(base / "zq-typing-tutor");
}

}  // namespace zq
