#include "app/ui/ProgramEntry.h"

#include <QLibraryInfo>
#include <QLocale>

#include "app/TSettings.h"
#include "base/ProgramFolder.h"
#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"
#include "keyboard/ui/LayoutBackendFactory.h"

namespace zq {

std::unique_ptr<QTranslator> InstallQtTranslation(const std::string& language) {
    const QLocale locale = language.empty() ? QLocale::system() : QLocale(QString::fromStdString(language));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

int RunProgram(int argc, char** argv) {
    PreferX11Platform();
    // The application object comes first: its constructor resets the C
    // locale, which the translation set-up below must follow.
    ErrorReportingApplication application(argc, argv);

    // The program's and the library's texts, in the language of the first
    // argument (Qt has removed its own arguments by now).
    const std::string language = argc > 1 ? argv[1] : "";
    SetupTranslation(ProgramFolder() + "locale", language);
    const auto qtTexts = InstallQtTranslation(language);

    application.setApplicationDisplayName(QString::fromUtf8(Tr("ZQ Typing Tutor")));

    TSettings settings;
    GlobalSettings = &settings;
    settings.Load();

    // The logon dialog, with the profile starter beside it, becomes the
    // main window here, and the event loop runs until it closes.

    GlobalSettings = nullptr;
    return 0;
}

}  // namespace zq
