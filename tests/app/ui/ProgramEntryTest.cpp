#include "app/ui/ProgramEntry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "keyboard/ui/LayoutBackendFactory.h"

namespace zq {
namespace {

TEST(ProgramEntry, QtsOwnDialogTextsFollowTheChosenLanguage) {
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm";
    if (!QFile::exists(catalogue)) GTEST_SKIP() << "the system has no French catalogue of Qt's texts";
    const auto translator = InstallQtTranslation("fr_FR");
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    QCoreApplication::removeTranslator(translator.get());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST(ProgramEntry, ALanguageWithoutQtCatalogueInstallsNothing) {
    EXPECT_EQ(InstallQtTranslation("xx_YY"), nullptr);
}

TEST(ProgramEntry, X11IsPreferredOnlyWhenThereIsADisplayAndNoChoice) {
    const char* saved = std::getenv("QT_QPA_PLATFORM");
    const std::string savedPlatform = saved != nullptr ? saved : "";

    setenv("DISPLAY", ":0", 1);
    unsetenv("QT_QPA_PLATFORM");
    PreferX11Platform();
    EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "xcb");

    setenv("QT_QPA_PLATFORM", "wayland", 1);
    PreferX11Platform();
    EXPECT_STREQ(std::getenv("QT_QPA_PLATFORM"), "wayland");

    unsetenv("DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    PreferX11Platform();
    EXPECT_EQ(std::getenv("QT_QPA_PLATFORM"), nullptr);

    if (saved != nullptr) setenv("QT_QPA_PLATFORM", savedPlatform.c_str(), 1);
}

TEST(ProgramEntry, WithoutADisplayTheProgramSaysSoInOneLineAndFails) {
    const char* names[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    std::vector<std::optional<std::string>> saved;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        saved.push_back(value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        unsetenv(name);
    }
    char program[] = "zq-typing-tutor";
    char* argv[] = {program, nullptr};
    ::testing::internal::CaptureStderr();
    const int exitCode = RunProgram(1, argv);
    const std::string said = ::testing::internal::GetCapturedStderr();
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if (saved[i]) setenv(names[i], saved[i]->c_str(), 1);
    }

    EXPECT_NE(exitCode, 0);
    EXPECT_NE(said.find("No display"), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
}

}  // namespace
}  // namespace zq
