#pragma once

#include <QPointer>
#include <QWidget>

#include "app/MainFormViews.h"

namespace zq {

class GuidanceWindowSet;

// Makes the drill windows of the main window: modal over it, driving the
// run's keyboard and hands windows.
class DrillWindows : public DrillWindowFactory {
public:
    DrillWindows(GuidanceWindowSet& guidance, QWidget* owner);

    std::unique_ptr<DrillWindow> CreateDrill(DrillKind kind) override;

    // The drill window on screen, if any (for tests that drive it).
    QWidget* OpenWindow() const { return open_; }

private:
    GuidanceWindowSet& guidance_;
    QWidget* owner_;
    QPointer<QWidget> open_;
};

}  // namespace zq
