// The keyboard and hands windows as a learner sees them: under a window
// manager (openbox on a private Xvfb, both started here and stopped by their
// process ids) that frames every window with a title bar, at scale factors
// 1, 1.5 and 2.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <memory>

#include "drills/SentenceLines.h"
#include "drills/ui/SentenceDrillWindow.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/CaptionStrip.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"
#include "support/TempFolder.h"

// X11's headers last: they define macros such as None and Bool.
#include <X11/Xlib.h>

namespace zq {
namespace {

constexpr const char* kTestName = "GuidanceUnderWindowManager.WindowsStayOnTheScreenWithTheirTitleBarsFree";

// An X server of its own with openbox on it, for as long as the object lives.
class PrivateDesktop {
public:
    PrivateDesktop() {
        const QString home = QString::fromStdString(home_.Path().string());
        environment_.insert("XDG_CONFIG_HOME", home);
        environment_.insert("XDG_CACHE_HOME", home);
        server_.setProcessEnvironment(environment_);
        // -displayfd 1: the server writes its display number on its output when ready.
        server_.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        if (!server_.waitForStarted(10000)) return;
        QDeadlineTimer deadline(10000);
        while (!server_.canReadLine() &&
               server_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        }
        const QString number = QString::fromLatin1(server_.readLine()).trimmed();
        if (number.isEmpty()) return;
        display_ = ":" + number;
        environment_.insert("DISPLAY", display_);
        windowManager_.setProcessEnvironment(environment_);
        windowManager_.start("openbox", {});
        if (!windowManager_.waitForStarted(10000) || !WindowManagerReady()) display_.clear();
    }
    ~PrivateDesktop() {
        for (QProcess* process : {&windowManager_, &server_}) {
            if (process->state() == QProcess::NotRunning) continue;
            process->terminate();
            if (!process->waitForFinished(5000)) process->kill();
            process->waitForFinished(5000);
        }
    }
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    // Empty when the desktop could not be started.
    const QString& DisplayName() const { return display_; }
    QProcessEnvironment Environment() const { return environment_; }

private:
    // Whether openbox has taken charge of the screen (within ten seconds):
    // windows made before might be left unframed, and a program that
    // connects before might miss what the window manager supports.
    bool WindowManagerReady() const {
        ::Display* display = XOpenDisplay(display_.toLatin1().constData());
        if (!display) return false;
        const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
        bool ready = false;
        for (QDeadlineTimer deadline(10000); !ready && !deadline.hasExpired(); QThread::msleep(20)) {
            Atom type = 0;
            int format = 0;
            unsigned long count = 0;
            unsigned long left = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType,
                               &type, &format, &count, &left, &data);
            if (data) XFree(data);
            ready = count > 0;
        }
        XCloseDisplay(display);
        return ready;
    }

    test::TempFolder home_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    QProcess server_;
    QProcess windowManager_;
    QString display_;
};

// Runs this test again in a process of its own on a private desktop.
void RunOnADesktop(const QString& scale) {
    PrivateDesktop desktop;
    ASSERT_FALSE(desktop.DisplayName().isEmpty()) << "Xvfb or openbox did not start";
    QProcessEnvironment environment = desktop.Environment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("QT_SCALE_FACTOR", scale);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString("--gtest_filter=") + kTestName});
    ASSERT_TRUE(child.waitForFinished(60000));
    const std::string output = QString::fromUtf8(child.readAll()).toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
}

bool Framed(const QWidget& window) {
    return window.frameGeometry() != window.geometry();
}

// What the learner must be able to see: every window on the screen as far as
// it is not larger than the screen, and the keyboard and hands below the
// drill window's frame, their title bars free, whenever they fit there.
::testing::AssertionResult WellPlaced(const QRect& screen, const QWidget& drill,
                                      const std::vector<const QWidget*>& guidance) {
    std::vector<const QWidget*> windows = guidance;
    windows.push_back(&drill);
    for (const QWidget* window : windows) {
        const QRect frame = window->frameGeometry();
        const bool widthFits = frame.width() <= screen.width();
        const bool heightFits = frame.height() <= screen.height();
        if ((widthFits && (frame.left() < screen.left() || frame.right() > screen.right())) ||
            (!widthFits && frame.left() != screen.left()) ||
            (heightFits && (frame.top() < screen.top() || frame.bottom() > screen.bottom()))) {
            return ::testing::AssertionFailure()
                   << window->windowTitle().toStdString() << " at " << frame.x() << "," << frame.y() << " "
                   << frame.width() << "x" << frame.height() << " is not wholly on the screen";
        }
    }
    const QRect drillFrame = drill.frameGeometry();
    for (const QWidget* window : guidance) {
        const QRect frame = window->frameGeometry();
        if (drillFrame.height() + 10 + frame.height() <= screen.height() && frame.intersects(drillFrame)) {
            return ::testing::AssertionFailure()
                   << "a guidance window at " << frame.y()
                   << " covers the drill window or is covered by it, whose frame"
                   << " ends at " << drillFrame.bottom();
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(GuidanceUnderWindowManager, WindowsStayOnTheScreenWithTheirTitleBarsFree) {
    if (QGuiApplication::platformName() != "xcb") {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
            QStandardPaths::findExecutable("openbox").isEmpty())
            GTEST_SKIP() << "needs Xvfb and openbox";
        for (const char* scale : {"1", "1.5", "2"}) {
            SCOPED_TRACE(std::string("scale factor ") + scale);
            RunOnADesktop(scale);
        }
        return;
    }
    const std::string layout = std::string(ZQ_PROGRAM_DIR) + "/Courses/English/layout.zqt";
    TDataMod store;
    GuidanceWindowSet windows(store);
    windows.Create(true);  // the windows' own default
    windows.PrepareGuidance(layout);
    ASSERT_GT(windows.Keyboard()->Keyboard().KbFrame().Keys().size(), 60u) << layout;
    stopwatch watch;
    SentenceLines lines({"The quick brown fox."});
    SentenceDrillWindow window(watch, windows.Guidance());
    window.Drill().Practise(lines);
    window.show();

    const std::vector<const QWidget*> guidance{windows.Keyboard(), windows.LeftHand(), windows.RightHand()};
    const QRect screen = window.screen()->geometry();
    // The hands draw their own title bars (see CaptionStrip).
    const auto settled = [&] {
        for (const QWidget* w : {static_cast<const QWidget*>(&window), guidance[0], guidance[1], guidance[2]})
            if (!w->isVisible()) return false;
        return Framed(window) && Framed(*windows.Keyboard()) && bool(WellPlaced(screen, window, guidance));
    };
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && !settled();) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_TRUE(Framed(window)) << "the window manager framed no window";
    EXPECT_TRUE(WellPlaced(screen, window, guidance));
    for (const TPalmForm* hand : {windows.LeftHand(), windows.RightHand()}) {
        EXPECT_FALSE(Framed(*hand)) << "a window manager's title bar leaves no room for the title";
        EXPECT_EQ(hand->findChild<CaptionStrip*>()->ShownTitle(), hand->windowTitle());
    }
    EXPECT_EQ(windows.LeftHand()->frameGeometry().top(), windows.RightHand()->frameGeometry().top())
        << "both hands level";
}

}  // namespace
}  // namespace zq
