#pragma once

#include "app/MainFormViews.h"

namespace zq {

// Makes the game window of a run.
class GameWindows : public GameHostFactory {
public:
    std::unique_ptr<GameHost> CreateGameHost() override;
};

}  // namespace zq
