#include "app/ui/GameWindows.h"

namespace zq {

std::unique_ptr<GameHost> GameWindows::CreateGameHost() {
    // The game window joins the program here: a GameHost over it, made
    // without a parent (the main window hides while the game runs).
    return nullptr;
}

}  // namespace zq
