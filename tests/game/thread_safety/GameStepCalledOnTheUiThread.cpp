// The UI thread handles a typed key itself instead of posting it to the
// mailbox for the game thread.
// Rejected with: calling function 'HandleKey' requires holding role 'GameThreadRole'
#include "game/GamePlay.h"

namespace zq {

void KeyPressHandledOnTheUiThread(GamePlay& play, char key) REQUIRES(UiThreadRole) {
    play.HandleKey(key);
}

}  // namespace zq
