// The game thread, which holds the game's mutex, asks whether the game is
// idle, which takes the mutex again: a deadlock.
// Rejected with: cannot call function 'Idle' while mutex 'handoff[^']*mutex' is held
#include "game/ThreadHandoff.h"

namespace zq {

bool IdleAskedFromThePass(ThreadHandoff& handoff) REQUIRES(GameThreadRole, handoff.GameMutex()) {
    return handoff.Idle();
}

}  // namespace zq
