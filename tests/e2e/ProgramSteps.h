#pragma once

// What a learner does in the program, step by step, as the end-to-end tests
// do it on any test desktop.

#include <string>

#include "ProgramSession.h"

namespace zq::e2e {

inline constexpr const char* kLogon = "^Log on";
inline constexpr const char* kMain = "^ZQ Typing Tutor$";
inline constexpr const char* kCourse = "^Course";
// Message boxes carry the program's title alone, as the main window does.
inline constexpr const char* kMessage = "^ZQ Typing Tutor$";

// Starts the program and logs on as the user the dialog shows; the main
// window, empty when it did not appear.
std::string LogOn(ProgramSession& session);

// Esc in the main window, then OK in the practice-time message; the program
// is to end with exit code 0.
void CloseProgram(ProgramSession& session, const std::string& main);

// The line of a course file at `index` (from 0), as the drill shows it.
std::string CourseLine(const std::string& path, int index = 0);

}  // namespace zq::e2e
