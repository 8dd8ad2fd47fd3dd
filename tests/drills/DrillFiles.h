#pragma once

// Drill text files written for one test into a temporary folder of its own.

#include <string>
#include <string_view>

#include "support/TempFolder.h"

namespace zq::testing {

class DrillFiles {
public:
    std::string Write(std::string_view name, std::string_view bytes) const {
        return folder_.Write(std::string(name), std::string(bytes));
    }
    std::string PathOf(std::string_view name) const { return folder_.File(std::string(name)); }

private:
    test::TempFolder folder_;
};

}  // namespace zq::testing
