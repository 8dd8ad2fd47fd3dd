#include "app/Manual.h"

#include <filesystem>
#include <system_error>

#include "app/MainFormViews.h"
#include "base/Translation.h"

namespace zq {

std::string ManualPath(const std::string& appDir) {
    return appDir + "help/manual.html";
}

bool OpenManual(const std::string& appDir, HelpViewer& viewer) {
    const std::string manual = ManualPath(appDir);
    std::error_code error;
    if (!std::filesystem::is_regular_file(manual, error)) return false;
    if (!viewer.OpenWithDesktop(manual)) viewer.ShowInHelpWindow(manual);
    return true;
}

std::string MissingManualMessage(const std::string& appDir) {
    return Format(Tr("The manual %s is missing."), {ManualPath(appDir)});
}

}  // namespace zq
