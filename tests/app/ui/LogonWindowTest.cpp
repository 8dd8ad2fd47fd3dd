// The logon dialog with the real starter on Qt's offscreen platform.
#include "app/ui/LogonWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "../../support/TempFolder.h"
#include "WindowTestSupport.h"
#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "app/ui/ProgramWindows.h"

namespace zq {
namespace {

using test::TempFolder;

class LogonWindowTest : public ::testing::Test {
protected:
    LogonWindowTest() {
        testing::WriteProgramFolder(folder / "");
        logon.SetStarter(&starter);
    }

    TempFolder folder;
    TSettings settings{folder.Dir()};
    LogonWindow logon{settings};
    ProgramWindows windows{logon, settings};
    TZQStarterLocal starter{windows, settings};
};

TEST_F(LogonWindowTest, OpensOnTheLastUserWithTheFocusInTheUserBox) {
    logon.show();
    QApplication::processEvents();
    EXPECT_EQ(logon.ComboUser->currentText(), "Default");
    EXPECT_EQ(logon.ComboUser->count(), 1);
    EXPECT_TRUE(logon.ComboUser->hasFocus() || logon.focusWidget() == logon.ComboUser->lineEdit());
    EXPECT_GE(logon.width(), 322);
    EXPECT_GE(logon.height(), 259);
    EXPECT_TRUE(logon.windowFlags() & Qt::FramelessWindowHint);
    logon.hide();
}

TEST_F(LogonWindowTest, EnterInTheUserBoxLogsOnAndTheLogonHides) {
    logon.show();
    QApplication::processEvents();
    testing::MessageBoxAnswerer boxes;  // this platform cannot switch keyboard layouts
    testing::PressKey(logon.ComboUser->lineEdit(), Qt::Key_Return);
    QApplication::processEvents();

    ASSERT_NE(starter.MainWindow(), nullptr);
    EXPECT_TRUE(dynamic_cast<QWidget*>(starter.MainWindow())->isVisible());
    EXPECT_FALSE(logon.isVisible());
    EXPECT_EQ(starter.CurrentProfile.Course, "English");
    dynamic_cast<QWidget*>(starter.MainWindow())->hide();
}

}  // namespace
}  // namespace zq
