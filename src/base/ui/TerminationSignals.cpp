#include "base/ui/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace zq {
namespace {

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write to a pipe; the event loop reads the other end.
int signalPipe[2] = {-1, -1};
// Set on the event loop's thread, when a signal is taken from the pipe or
// the event loop is told to quit.
bool toldToEnd = false;

// Notes the quit Qt is asked for: the session manager's request at the end
// of the session arrives as one, and so does a signal taken from the pipe.
class QuitWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) toldToEnd = true;
        return QObject::eventFilter(watched, event);
    }
};

void WriteSignalToPipe(int signalNumber) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void ResetSignalsToDefault() {
    for (int signalNumber : kTerminationSignals) std::signal(signalNumber, SIG_DFL);
}

}  // namespace

void QuitOnTerminationSignals() {
    if (signalPipe[0] != -1 || QCoreApplication::instance() == nullptr) return;
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;

    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte = 0;
        while (read(signalPipe[0], &byte, 1) == 1) {
        }
        notifier->setEnabled(false);
        ResetSignalsToDefault();
        toldToEnd = true;
        QCoreApplication::quit();
    });

    QCoreApplication::instance()->installEventFilter(new QuitWatch(QCoreApplication::instance()));

    struct sigaction action {};
    action.sa_handler = WriteSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kTerminationSignals) sigaction(signalNumber, &action, nullptr);
}

bool ProgramToldToEnd() {
    return toldToEnd;
}

}  // namespace zq
