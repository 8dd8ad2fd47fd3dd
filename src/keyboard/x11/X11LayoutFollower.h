#pragma once

#include <memory>

class QObject;

namespace zq {

class X11LayoutBackend;

// Deletes the watch where QObject is complete (X11 headers and Qt's cannot
// meet in one file).
struct ApplicationWatchDeleter {
    void operator()(QObject* watch) const;
};
using ApplicationWatch = std::unique_ptr<QObject, ApplicationWatchDeleter>;

// Keeps the backend in step with the application: the desktop's layouts
// return when the program leaves the foreground (after a short delay, so
// that moving between the program's own windows reloads nothing) and when it
// quits; the program's layout returns with the foreground. Null without an
// application object. Destroying the result ends the watch.
ApplicationWatch FollowApplicationState(X11LayoutBackend& backend);

}  // namespace zq
