#pragma once

#include <QTranslator>
#include <memory>
#include <string>

namespace zq {

// Qt's X11 platform is chosen when an X display is there and the user has
// not chosen a platform: keyboard layouts are switched through X11, and on
// Wayland desktops XWayland provides it. Call before the application exists.
void PreferX11Platform();

// Loads Qt's own texts (dialog buttons, file dialogs) for `language`, or for
// the user's environment when it is empty, and installs them. Returns the
// translator (owned by the caller), or nothing when the system has no
// catalogue of Qt's texts for that language.
std::unique_ptr<QTranslator> InstallQtTranslation(const std::string& language);

// The program from start to end; returns the exit code.
int RunProgram(int argc, char** argv);

}  // namespace zq
