#pragma once

#include <QWidget>
#include <functional>
#include <mutex>

#include "game/Mutex.h"

namespace zq {

class PictureSurface;

// The playing area (PlayingAreaBox): shows the picture the game draws into. The
// copy to the screen holds the game's scene lock, so that the game thread
// never draws into the part being copied.
class PlayingArea : public QWidget {
    Q_OBJECT
public:
    using SceneLocker = std::function<std::unique_lock<Mutex>()>;

    PlayingArea(const PictureSurface& picture, SceneLocker lockScene, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PictureSurface& picture_;
    SceneLocker lockScene_;
};

}  // namespace zq
