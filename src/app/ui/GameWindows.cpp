#include "app/ui/GameWindows.h"

namespace zq {

std::unique_ptr<GameWindow> GameWindows::CreateGameWindow() {
    // The game window joins the program here: a GameWindow over it, made
    // without a parent (the main window hides while the game runs).
    return nullptr;
}

}  // namespace zq
