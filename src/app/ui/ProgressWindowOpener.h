#pragma once

#include <string>

#include "app/MainFormViews.h"

class QWidget;

namespace zq {

// Opens the progress window over the main window; the charts' module is
// found in the program folder.
class ProgressWindowOpener : public ProgressWindows {
public:
    ProgressWindowOpener(std::string appDir, QWidget* owner) : appDir_(std::move(appDir)), owner_(owner) {}

    std::optional<WeakKeyPractice> ShowProgress(PracticeHistory& history,
                                                const ProgressSetup& setup) override;

private:
    std::string appDir_;
    QWidget* owner_;
};

}  // namespace zq
