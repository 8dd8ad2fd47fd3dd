#pragma once

// A fresh folder of its own under the system's temporary folder, removed
// with everything in it when the object goes. Tests, benchmarks and fuzz
// targets all make their files in one (several builds may run the same test
// at once, so no name is fixed).
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace zq::test {

class TempFolder {
public:
    // Raises std::filesystem::filesystem_error when no folder can be made
    // (a test fails with its message, a benchmark stops).
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zq-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::filesystem::filesystem_error("cannot create a temporary folder", pattern,
                                                    std::error_code(errno, std::generic_category()));
        }
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder with a trailing "/", as the program's folder names are kept.
    std::string Dir() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes `bytes` as the file `name` and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
        return File(name);
    }
    // The bytes of the file `name`; empty when there is none.
    std::string Read(const std::string& name) const {
        std::ifstream file(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // How many entries the folder holds, to see that nothing was left behind.
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path path_;
};

}  // namespace zq::test
