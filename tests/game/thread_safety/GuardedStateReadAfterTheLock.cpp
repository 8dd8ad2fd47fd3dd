// State guarded by a Mutex, written under a MutexLock, then read after the
// lock's scope has ended.
// Rejected with: reading variable 'count' requires holding mutex 'shared.mutex'
#include "game/Mutex.h"

namespace zq {

struct Shared {
    Mutex mutex;
    int count GUARDED_BY(mutex) = 0;
};

int CountAfterTheLock(Shared& shared) {
    {
        MutexLock lock(shared.mutex);
        ++shared.count;
    }
    return shared.count;
}

}  // namespace zq
