// The logon dialog with the real starter on Qt's offscreen platform.
#include "app/ui/LogonWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QThread>

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

TEST_F(LogonWindowTest, EnterInAnEmptyUserBoxGivesOneMessageAndTheFocusStaysInTheBox) {
    logon.show();
    QApplication::processEvents();
    logon.ComboUser->setEditText(QString());
    testing::MessageBoxAnswerer boxes;
    testing::PressKey(logon.ComboUser->lineEdit(), Qt::Key_Return);
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    EXPECT_THAT(boxes.texts, ::testing::ElementsAre("Please select a user name from the user list."));
    EXPECT_EQ(starter.MainWindow(), nullptr);
    // The dialog's focus is in the user box (the window is active only on a desktop).
    EXPECT_TRUE(logon.focusWidget() == logon.ComboUser || logon.focusWidget() == logon.ComboUser->lineEdit());
    logon.hide();
}

}  // namespace
}  // namespace zq
