#pragma once

#include <string>
#include <vector>

namespace zq {

// The "from-xkb" subcommand: writes to standard output the description of a
// 105-key PC keyboard for one keyboard layout of the system's XKB data.
// `args` are the arguments after the subcommand: LAYOUT[(VARIANT)]
// [--code-page N]. Returns the process exit status (0 on success); errors
// are reported in words on standard error.
int RunFromXkb(const std::vector<std::string>& args);

}  // namespace zq
