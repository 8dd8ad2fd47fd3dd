#include "app/ui/ProgressWindowOpener.h"

#include "stats/ui/ProgressWindow.h"

namespace zq {

std::optional<TargetedPractice> ProgressWindowOpener::ShowProgress(PracticeHistory& history,
                                                                   const ProgressSetup& setup) {
    ProgressWindow window(history, setup, modulesFolder_, owner_);
    window.exec();
    return window.ChosenPractice();
}

}  // namespace zq
