#pragma once

// Drill text files written for one test into a fresh temporary folder of its
// own (test builds of several developers may run the same test at once).

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <unistd.h>

namespace zq::testing {

class DrillFiles {
public:
    DrillFiles() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ =
            std::filesystem::temp_directory_path() / (std::string("zq-drills-") + info->test_suite_name() +
                                                      "-" + info->name() + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    ~DrillFiles() { std::filesystem::remove_all(folder_); }

    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string PathOf(std::string_view name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

}  // namespace zq::testing
