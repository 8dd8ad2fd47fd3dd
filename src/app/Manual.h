#pragma once

#include <string>

namespace zq {

class HelpViewer;

// The program's manual: "help/manual.html" in the program folder.
std::string ManualPath(const std::string& appDir);

// Opens the manual with the desktop's handler, or, when the desktop cannot,
// in the program's own help window. False, with nothing opened, when the
// manual is missing.
bool OpenManual(const std::string& appDir, HelpViewer& viewer);

// "The manual <path> is missing.", translated.
std::string MissingManualMessage(const std::string& appDir);

}  // namespace zq
