// The logon dialog with the real starter on Qt's offscreen platform.
#include "app/ui/LogonWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include "../../support/TempFolder.h"
#include "WindowTestSupport.h"
#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "app/ui/ProgramWindows.h"
#include "base/Color.h"
#include "base/TextFile.h"
#include "profile/EasyReading.h"

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

// A name longer than the box is read in it by scrolling; the dialog, whose
// buttons are below the box, stays as wide as ever and on the screen.
TEST_F(LogonWindowTest, ALongUserNameLeavesTheDialogsWidthAsItWas) {
    int usualWidth = 0;
    {
        LogonWindow usual{settings};
        usual.show();
        QApplication::processEvents();
        usualWidth = usual.width();
        usual.hide();
    }
    const std::string name(300, 'W');
    folder.Write("zqc.ini", folder.Read("zqc.ini") + "\n[" + name + "]\nCourse=English\n");

    logon.show();
    QApplication::processEvents();
    ASSERT_EQ(logon.ComboUser->count(), 2);
    EXPECT_EQ(logon.ComboUser->itemText(1).toStdString(), name) << "listed whole";
    EXPECT_EQ(logon.width(), usualWidth);
    EXPECT_LE(logon.frameGeometry().width(), logon.screen()->availableGeometry().width());
    logon.ComboUser->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(logon.width(), usualWidth);
    EXPECT_EQ(logon.ComboUser->currentText().toStdString(), name);
    logon.hide();
}

// The version the package and its AppStream metainfo give the program: the
// release named in the metainfo the build made.
std::string ReleasedVersion() {
    const std::string metainfo =
        ReadFileBytes(ZQ_BINARY_DIR "/package-files/io.github.zq_typing_tutor.zq_typing_tutor.metainfo.xml");
    const std::string mark = "<release version=\"";
    const std::size_t start = metainfo.find(mark);
    if (start == std::string::npos) return {};
    const std::size_t from = start + mark.size();
    return metainfo.substr(from, metainfo.find('"', from) - from);
}

TEST_F(LogonWindowTest, ShowsTheVersionThePackageGives) {
    const std::string version = ReleasedVersion();
    ASSERT_FALSE(version.empty());
    EXPECT_EQ(logon.VersionLb->text().toStdString(), "Version " + version);
}

// The strongest contrast with the window's green along the picture's edges
// (two pixels deep): where a focus mark would be drawn.
double StrongestEdgeContrast(const QImage& picture, const QColor& ground) {
    const TColor background = Rgb(ground.red(), ground.green(), ground.blue());
    double strongest = 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool onEdge = x < 2 || y < 2 || x >= picture.width() - 2 || y >= picture.height() - 2;
            if (!onEdge) continue;
            const QColor pixel = picture.pixelColor(x, y);
            strongest =
                std::max(strongest, ContrastRatio(Rgb(pixel.red(), pixel.green(), pixel.blue()), background));
        }
    }
    return strongest;
}

TEST_F(LogonWindowTest, TheManualsLinkShowsAFrameWhileItHasTheFocus) {
    logon.show();
    logon.activateWindow();
    QApplication::processEvents();
    const QColor ground = logon.palette().color(QPalette::Window);
    EXPECT_LT(StrongestEdgeContrast(logon.WebLb->grab().toImage(), ground), 1.5)
        << "no mark without the focus";

    logon.WebLb->setFocus(Qt::BacktabFocusReason);  // Shift+Tab from the user box
    QApplication::processEvents();
    ASSERT_TRUE(logon.WebLb->hasFocus());
    // A mark the eye finds: a contrast of 3 or more with what surrounds it.
    EXPECT_GE(StrongestEdgeContrast(logon.WebLb->grab().toImage(), ground), 3.0);
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
