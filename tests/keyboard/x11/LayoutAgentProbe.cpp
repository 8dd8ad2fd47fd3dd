// A small program around the keyboard layout agent for the X11 tests:
//   zq_layout_agent_probe DISPLAY IDENTIFIER exit|wait|focus
// activates the layout and prints "activated" or "failed".
//   exit   ends at once;
//   wait   prints "ready" and runs its event loop until a termination signal;
//   focus  runs as the program does, on Qt's X11 platform with a window of
//          its own that has the focus; reads the commands "leave" (the window
//          hides), "return" (it shows again) and "quit" from its input, and
//          answers each with the application's state once it has settled.
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "base/ui/TerminationSignals.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "keyboard/ui/LayoutBackendFactory.h"
#include "keyboard/ui/LayoutLocaleTexts.h"
#include "keyboard/x11/X11LayoutBackend.h"

namespace {

void Say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

// Runs the event loop until the condition holds, then a little longer so
// that delayed reactions to it happen too.
void RunUntil(const std::function<bool()>& condition, int settleMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    clock.restart();
    while (clock.elapsed() < settleMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool IsActive() {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

int RunWithFocus(int argc, char** argv) {
    setenv("DISPLAY", argv[1], 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication application(argc, argv);
    zq::QuitOnTerminationSignals();
    const auto agent = zq::CreateKeyboardLayoutAgent();

    QWindow window;
    window.resize(200, 100);
    const auto takeFocus = [&window] {
        window.show();
        window.requestActivate();
        RunUntil(IsActive, 800);
    };
    takeFocus();
    Say(agent->ActivateLayout(argv[2]) ? "activated" : "failed");
    Say(IsActive() ? "active" : "inactive");

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        const ssize_t length = read(STDIN_FILENO, line, sizeof line - 1);
        const std::string command(line, length > 0 ? static_cast<std::size_t>(length) : 0);
        if (command.rfind("leave", 0) == 0) {
            window.hide();
            RunUntil([] { return !IsActive(); }, 800);
            Say(IsActive() ? "active" : "inactive");
        } else if (command.rfind("return", 0) == 0) {
            takeFocus();
            Say(IsActive() ? "active" : "inactive");
        } else {
            QCoreApplication::quit();
        }
    });
    return QGuiApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DISPLAY IDENTIFIER exit|wait|focus\n", argv[0]);
        return 2;
    }
    if (std::strcmp(argv[3], "focus") == 0) return RunWithFocus(argc, argv);

    QCoreApplication application(argc, argv);
    zq::QuitOnTerminationSignals();
    auto backend = zq::X11LayoutBackend::Connect(argv[1], zq::LayoutLocaleText);
    if (!backend) {
        std::fprintf(stderr, "cannot reach the X server %s\n", argv[1]);
        return 3;
    }
    zq::TKeyboardLayoutAgent agent(std::move(backend));
    Say(agent.ActivateLayout(argv[2]) ? "activated" : "failed");
    if (std::strcmp(argv[3], "wait") == 0) {
        Say("ready");
        return QCoreApplication::exec();
    }
    return 0;
}
