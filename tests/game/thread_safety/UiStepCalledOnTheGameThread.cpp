// The game thread writes the status line itself instead of handing the step
// to the UI thread.
// Rejected with: calling function 'UpdateStatus' requires holding role 'UiThreadRole'
#include "game/GamePlay.h"

namespace zq {

void PassThatWritesTheStatusLine(GamePlay& play) REQUIRES(GameThreadRole) {
    play.UpdateStatus();
}

}  // namespace zq
