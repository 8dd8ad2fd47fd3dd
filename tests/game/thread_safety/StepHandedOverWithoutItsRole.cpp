// A step handed to the UI thread that does not say where it runs: a lambda
// holds no capability of the function that made it.
// Rejected with: calling function 'DropStep' requires holding role 'UiThreadRole'
#include "game/GamePlay.h"

namespace zq {

void HandOverTheDropStep(GamePlay& play, PassThreads& threads) REQUIRES(GameThreadRole) {
    threads.OnUiThread([&play] { play.DropStep(); });
}

}  // namespace zq
