#pragma once

#include <string>

namespace zq {

// The folder of the running program file, with a trailing "/". Every data
// file of the program is found from here.
std::string ProgramFolder();

}  // namespace zq
