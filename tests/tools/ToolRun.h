#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace zq::testing {

// What a command-line tool said and ended with.
struct ToolRun {
    int exitStatus = -1;
    std::string out, err;
};

// Runs the tool at `tool` with the arguments (each quoted for the shell),
// its output kept in files of `folder`.
inline ToolRun RunTool(const std::string& tool, const test::TempFolder& folder,
                       const std::vector<std::string>& args) {
    std::string command = "QT_QPA_PLATFORM=offscreen '" + tool + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + folder.File("out") + "' 2>'" + folder.File("err") + "'";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = folder.Read("out");
    run.err = folder.Read("err");
    return run;
}

}  // namespace zq::testing
