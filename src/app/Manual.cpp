#include "app/Manual.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "app/MainFormViews.h"
#include "base/Translation.h"

namespace zq {
namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// "fr_FR.UTF-8@euro" gives "fr_FR" and "fr"; "de" gives "de"; the C locale
// gives nothing.
std::vector<std::string> CodesOf(std::string_view entry) {
    entry = entry.substr(0, entry.find_first_of(".@"));
    if (entry.empty() || entry == "C" || entry == "POSIX") return {};
    std::vector<std::string> codes{std::string(entry)};
    const size_t region = entry.find('_');
    if (region != std::string_view::npos && region > 0) codes.emplace_back(entry.substr(0, region));
    return codes;
}

}  // namespace

std::string ManualPathForLanguage(const std::string& appDir, std::string_view language) {
    const std::string help = appDir + "help/";
    while (!language.empty()) {
        const size_t colon = language.find(':');
        for (const std::string& code : CodesOf(language.substr(0, colon))) {
            std::string translated = help + "manual." + code + ".html";
            if (IsFile(translated)) return translated;
        }
        language = colon == std::string_view::npos ? std::string_view() : language.substr(colon + 1);
    }
    return help + "manual.html";
}

std::string ManualPath(const std::string& appDir) {
    return ManualPathForLanguage(appDir, TranslationLanguage());
}

bool OpenManual(const std::string& appDir, HelpViewer& viewer) {
    const std::string manual = ManualPath(appDir);
    if (!IsFile(manual)) return false;
    if (!viewer.OpenWithDesktop(manual)) viewer.ShowInHelpWindow(manual);
    return true;
}

std::string MissingManualMessage(const std::string& appDir) {
    return Format(Tr("The manual %s is missing."), {ManualPath(appDir)});
}

}  // namespace zq
