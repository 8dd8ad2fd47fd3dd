#include "base/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace zq {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::canonical("/proc/self/exe", error);
    // Without /proc the current folder is the best guess left.
    if (error) return "./";
    return program.parent_path().string() + "/";
}

}  // namespace zq
