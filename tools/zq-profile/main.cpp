// zq-profile [--new] [USER] [LANG]
//
// Opens the profile dialog on USER of the program folder's "zqc.ini" (the
// first user when not given) with the desktop's keyboard layouts and the
// courses of the program folder. Apply stores the profile, as the main window
// does when it closes; with --new the dialog runs as Add User does, on a copy
// of USER's settings, and Apply stores the new user.
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/ProgramFolder.h"
#include "base/ProgramPaths.h"
#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"
#include "base/ui/TerminationSignals.h"
#include "course/CourseList.h"
#include "keyboard/ui/LayoutBackendFactory.h"
#include "profile/ProfileStore.h"
#include "profile/TProfile.h"
#include "profile/ui/TProfileFm.h"

namespace {

struct Arguments {
    bool newUser = false;
    QString user;
    QString language;
};

Arguments ReadArguments(const QStringList& arguments) {
    Arguments read;
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty() && rest.front() == QLatin1String("--new")) {
        read.newUser = true;
        rest.removeFirst();
    }
    read.user = rest.value(0);
    read.language = rest.value(1);
    return read;
}

int Run(const Arguments& arguments) {
    const std::string folder = zq::ProgramFolder();
    const zq::ProfileStore store(folder + "zqc.ini");
    const std::vector<std::string> users = store.UserNames();
    std::string user = zq::FromUtf8(arguments.user.toStdString());
    if (user.empty() && !users.empty()) user = users.front();

    zq::TProfile profile;
    store.Attach(profile);
    profile.UserName = user;
    profile.Load();

    auto agent = zq::CreateKeyboardLayoutAgent();
    agent->Refresh();

    zq::TProfileFm dialog(store);
    dialog.SetCourses(zq::ProgramPaths(folder));
    dialog.SetAgent(agent.get());
    int result = 0;
    if (arguments.newUser) {
        zq::TProfile newUser;
        store.Attach(newUser);
        newUser.AssignSettings(profile);
        result = dialog.ExecuteNewUser(newUser);
        if (result == QDialog::Accepted) newUser.Save();
        std::printf("%s: %s\n", result == QDialog::Accepted ? "applied" : "closed", newUser.UserName.c_str());
    } else {
        result = dialog.ExecuteEdit(profile);
        if (result == QDialog::Accepted) profile.Save();
        std::printf("%s: %s\n", result == QDialog::Accepted ? "applied" : "closed", profile.UserName.c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    zq::PreferX11Platform();
    zq::ErrorReportingApplication application(argc, argv);
    zq::QuitOnTerminationSignals();
    const Arguments arguments = ReadArguments(application.arguments());
    zq::SetupTranslation(zq::ProgramFolder() + "locale", arguments.language.toStdString());
    application.setApplicationDisplayName(QString::fromUtf8(zq::Tr("ZQ Typing Tutor")));
    // The dialog runs inside the application's event loop, so that a
    // termination signal closes it as it closes the program's windows.
    QTimer::singleShot(0, &application, [&arguments] {
        try {
            QCoreApplication::exit(Run(arguments));
        } catch (const zq::LibraryError& error) {
            zq::ErrorReportingApplication::ReportError(QString::fromUtf8(error.what()));
            QCoreApplication::exit(1);
        }
    });
    return application.exec();
}
