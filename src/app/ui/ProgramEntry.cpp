#include "app/ui/ProgramEntry.h"

#include <QLibraryInfo>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "app/UsersFolder.h"
#include "app/ui/LogonWindow.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/ProgramWindows.h"
#include "base/FileReplace.h"
#include "base/ProgramPaths.h"
#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/TerminationSignals.h"
#include "keyboard/ui/LayoutBackendFactory.h"
#include "keyboard/wayland/WaylandCompose.h"

namespace zq {

std::unique_ptr<QTranslator> InstallQtTranslation(const std::string& language) {
    const QLocale locale = language.empty() ? QLocale::system() : QLocale(QString::fromStdString(language));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

void PrepareUsersFolder(const ProgramPaths& paths) {
    const UsersFolderStart start = StartUsersFolder(paths, PerUserInstallFolder(HomeFolder()));
    const std::string message = UsersFolderMessage(start, paths);
    if (!message.empty()) ShowMessageBox(nullptr, QMessageBox::Information, QString::fromStdString(message));
}

int RunProgram(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "No display available: start ZQ Typing Tutor from a desktop session (DISPLAY is not set).\n",
            stderr);
        return 1;
    }
    PreferX11Platform();
    ChooseWaylandComposeContext();
    // The application object comes first: its constructor resets the C
    // locale, which the translation set-up below must follow.
    ErrorReportingApplication application(argc, argv);

    // Where the program's data, its users' files and its modules are, for
    // the whole run.
    const ProgramPaths paths = ProgramPaths::OfRunningProgram();

    // The program's and the library's texts, in the language of the first
    // argument (Qt has removed its own arguments by now).
    const std::string language = argc > 1 ? argv[1] : "";
    SetupTranslation(paths.DataFolder() + "locale", language);
    const auto qtTexts = InstallQtTranslation(language);

    application.setApplicationDisplayName(QString::fromUtf8(Tr("ZQ Typing Tutor")));
    application.setWindowIcon(ProgramIcon(paths.DataFolder()));
    // The program ends when the logon dialog closes, whether the learner
    // leaves it or the main window closes it; not when the last window
    // closes (the game window closes while the main window is hidden).
    application.setQuitOnLastWindowClosed(false);

    // A run killed while it replaced or copied a file leaves its temporary
    // file behind; gone before the users' folder finishes a copy of its own.
    RemoveStaleTemporaries(paths.UsersFolder());
    PrepareUsersFolder(paths);

    TSettings settings(paths);
    GlobalSettings = &settings;
    settings.Load();

    LogonWindow logon(settings);
    logon.SetWindowFont(settings.FontName, settings.FontCharset);
    ProgramWindows windows(logon, settings);
    TZQStarterLocal starter(windows, settings);
    logon.SetStarter(&starter);
    QuitOnTerminationSignals();

    logon.show();
    const int exitCode = application.exec();
    GlobalSettings = nullptr;
    return exitCode;
}

}  // namespace zq
