#pragma once

#include <string>

#include "app/MainFormViews.h"

class QWidget;

namespace zq {

// Opens the progress window over the main window; the charts' module is
// found in the program's modules folder (ending with "/").
class ProgressWindowOpener : public ProgressWindows {
public:
    ProgressWindowOpener(std::string modulesFolder, QWidget* owner)
        : modulesFolder_(std::move(modulesFolder)), owner_(owner) {}

    std::optional<TargetedPractice> ShowProgress(PracticeHistory& history,
                                                 const ProgressSetup& setup) override;

private:
    std::string modulesFolder_;
    QWidget* owner_;
};

}  // namespace zq
