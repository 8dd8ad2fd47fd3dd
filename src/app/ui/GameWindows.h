#pragma once

#include "app/MainFormViews.h"

namespace zq {

// Makes the game window of a run.
class GameWindows : public GameWindowFactory {
public:
    std::unique_ptr<GameWindow> CreateGameWindow() override;
};

}  // namespace zq
