#include "base/ui/TerminationSignals.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <csignal>

namespace zq {
namespace {

// A termination signal ends the event loop as closing the program would,
// and the program goes on to its normal exit; without the handling the
// signal would end this test process at once. (Once only: the handling is
// set up once per process and gives the signal back to the system after
// the first.)
TEST(TerminationSignalsTest, ASignalEndsTheEventLoopInsteadOfTheProcess) {
    QuitOnTerminationSignals();
    bool raised = false;
    QTimer::singleShot(0, [&raised] {
        raised = true;
        std::raise(SIGTERM);
    });
    // A loop that did not end would be ended by the watchdog, failing.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the watchdog ended the loop";
    EXPECT_TRUE(raised);
    EXPECT_TRUE(ProgramToldToEnd()) << "the windows close without a question";
    struct sigaction now {};
    sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "a second signal ends the program at once";
}

// The end of the desktop session reaches the program as Qt's quit: like a
// signal, it tells the windows to close without a question. The watch for
// it begins with the handling of signals.
TEST(TerminationSignalsTest, QtsQuitIsNotedAsBeingToldToEnd) {
    if (ProgramToldToEnd())
        GTEST_SKIP() << "an earlier test of this process ended it (ctest runs each alone)";
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    ASSERT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(ProgramToldToEnd());

    QuitOnTerminationSignals();
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    ASSERT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(ProgramToldToEnd());
}

}  // namespace
}  // namespace zq
