#pragma once

#include <functional>
#include <string_view>

#include "game/ThreadRole.h"

namespace zq {

// What a game needs of the window it is played in, besides the drawing
// surface. The window implements it; tests implement it with fakes.
class GameWindow {
public:
    virtual ~GameWindow() = default;

    // Called on the game thread, with nothing of the game held: arranges for
    // `step` to run on the UI thread, in the order posted, and returns at once
    // (never runs `step` itself). A Qt window does this with a queued
    // QMetaObject::invokeMethod. The game thread waits for the step and makes
    // sure that a step posted for a game that has been abandoned or destroyed
    // in the meantime does nothing, so the window need not track them.
    virtual void PostToUiThread(std::function<void()> step) REQUIRES(GameThreadRole) = 0;

    // UI thread: the status line above the playing area.
    virtual void SetStatusText(std::string_view utf8) REQUIRES(UiThreadRole) = 0;
    // UI thread: a modal information box with an OK button; returns when it
    // is closed.
    virtual void InformationBox(std::string_view utf8) REQUIRES(UiThreadRole) = 0;
};

}  // namespace zq
