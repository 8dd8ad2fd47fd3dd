#include "game/ThreadRole.h"

#include <cassert>

namespace zq {

ThreadRole UiThreadRole;
ThreadRole GameThreadRole;

void ThreadRole::Assert() const {
    assert(thread_ == std::this_thread::get_id() && "called on a thread that does not play this role");
}

}  // namespace zq
