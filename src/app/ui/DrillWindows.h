#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "app/MainFormViews.h"
#include "base/stopwatch.h"
#include "base/ui/WindowPlacement.h"

namespace zq {

class GuidanceWindowSet;

// Makes the drill windows of the main window: modal over it, driving the
// run's keyboard and hands windows, and timing their lines with one
// stopwatch (only one drill window is open at a time).
class DrillWindows : public DrillWindowFactory {
public:
    // The paragraph drill's file dialog opens in `textsFolder`. With
    // `guidanceInside` (a desktop that places every window itself, Wayland,
    // would put the keyboard and hands anywhere) a drill that shows them
    // holds them inside its window, below its lines.
    DrillWindows(GuidanceWindowSet& guidance, QWidget* owner, std::string textsFolder,
                 bool guidanceInside = !CanPlaceWindows());

    std::unique_ptr<DrillWindow> CreateDrill(DrillKind kind) override;

    // The drill window on screen, if any (for tests that drive it).
    QWidget* OpenWindow() const { return open_; }

private:
    GuidanceWindowSet& guidance_;
    QWidget* owner_;
    std::string textsFolder_;
    bool guidanceInside_;
    stopwatch watch_;
    QPointer<QWidget> open_;
};

}  // namespace zq
