#pragma once

#include <QIcon>

namespace zq {

// The program's icon, from "icons/" in the program folder (no icon when the
// files are missing).
QIcon ProgramIcon();

}  // namespace zq
