#pragma once

#include <string>
#include <vector>

namespace zq {

// The subcommands of zq-template. `args` are the arguments after the
// subcommand's name; each returns the process exit status (0 success,
// 1 failure, 2 wrong arguments) and reports problems in words on standard
// error. Build and dump draw key pictures and need a QGuiApplication;
// preview makes its own QApplication when there is none.
int RunBuild(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunFromXkb(const std::vector<std::string>& args);
int RunPreview(const std::vector<std::string>& args);

// Prints how the tool is called to standard error and gives exit status 2.
int ShowUsage();

}  // namespace zq
