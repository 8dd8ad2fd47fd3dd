#include <filesystem>
#include <string>

#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"

int main(int argc, char** argv) {
    zq::ErrorReportingApplication application(argc, argv);
    const std::string programDir =
        std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
    zq::SetupTranslation(programDir + "locale", argc > 1 ? argv[1] : "");
    application.setApplicationDisplayName(QString::fromUtf8(zq::Tr("ZQ Typing Tutor")));
    return 0;
}
