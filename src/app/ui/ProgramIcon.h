#pragma once

#include <QIcon>
#include <string>

namespace zq {

// The program's icon, from "icons/" in the data folder `dataFolder` (ending
// with "/"); no icon when the files are missing.
QIcon ProgramIcon(const std::string& dataFolder);

}  // namespace zq
