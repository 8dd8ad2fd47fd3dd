#pragma once

#include <QTranslator>
#include <memory>
#include <string>

namespace zq {

class ProgramPaths;

// Loads Qt's own texts (dialog buttons, file dialogs) for `language`, or for
// the user's environment when it is empty, and installs them. Returns the
// translator (owned by the caller), or nothing when the system has no
// catalogue of Qt's texts for that language.
std::unique_ptr<QTranslator> InstallQtTranslation(const std::string& language);

// Whether Qt can find a display: an X11 or Wayland display, or a platform
// chosen by hand.
bool HasDisplay();

// Gets the users' folder ready when it lies apart from the program's data
// (see StartUsersFolder) and tells the learner, once, what was copied there
// or what failed.
void PrepareUsersFolder(const ProgramPaths& paths);

// The program from start to end; returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace zq
