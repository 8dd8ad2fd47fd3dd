#pragma once

#include <string>
#include <vector>

namespace zq {

// The subcommands of zq-template. `args` are the arguments after the
// subcommand's name; each returns the process exit status (0 success,
// 1 failure, 2 wrong arguments) and reports problems in words on standard
// error. Build and dump draw key pictures and need a QGuiApplication.
int RunBuild(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);

// Prints how the tool is called to standard error and gives exit status 2.
int ShowUsage();

// True when the code page in force (SetSystemCodePage) is one the system
// can convert: it defines at least one character above 127.
bool IsKnownCodePage();

// The name of the extra archive entry in which `build` keeps the key labels
// and the code page of a template, for `dump`. The program ignores it.
inline constexpr const char* kLabelsEntry = "labels";

}  // namespace zq
