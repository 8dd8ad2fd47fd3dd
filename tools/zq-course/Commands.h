#pragma once

#include <string>
#include <vector>

namespace zq {

// The subcommands of zq-course. `args` are the arguments after the
// subcommand's name; each returns the process exit status and reports in
// words. Make draws key pictures and needs a QGuiApplication.
int RunMake(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);

// Prints how the tool is called to standard error and gives exit status 2.
int ShowUsage();

}  // namespace zq
