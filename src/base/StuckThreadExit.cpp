#include "base/StuckThreadExit.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace zq {

namespace {

// Run by exit() before the handlers and destructors registered earlier,
// which run in the reverse order of their registration.
void EndAtOnce(int status, void*) {
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace

void SkipGlobalDestructorsAtExit() {
    static std::once_flag registered;
    // on_exit (glibc), unlike atexit, hands the handler exit()'s status.
    std::call_once(registered, [] { on_exit(EndAtOnce, nullptr); });
}

}  // namespace zq
