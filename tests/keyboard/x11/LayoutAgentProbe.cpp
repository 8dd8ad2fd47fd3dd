// A small program around the keyboard layout agent for the X11 tests:
//   zq_layout_agent_probe DISPLAY IDENTIFIER exit|wait
// activates the layout and prints "activated" or "failed"; with "exit" it
// ends at once, with "wait" it prints "ready" and runs its event loop until
// a termination signal ends it.
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "keyboard/KeyboardLayoutAgent.h"
#include "keyboard/ui/LayoutBackendFactory.h"
#include "keyboard/ui/LayoutLocaleTexts.h"
#include "keyboard/ui/X11LayoutBackend.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DISPLAY IDENTIFIER exit|wait\n", argv[0]);
        return 2;
    }
    QCoreApplication application(argc, argv);
    zq::QuitOnTerminationSignals();
    auto backend = zq::X11LayoutBackend::Connect(argv[1], zq::LayoutLocaleText);
    if (!backend) {
        std::fprintf(stderr, "cannot reach the X server %s\n", argv[1]);
        return 3;
    }
    zq::TKeyboardLayoutAgent agent(std::move(backend));
    std::printf("%s\n", agent.ActivateLayout(argv[2]) ? "activated" : "failed");
    if (std::strcmp(argv[3], "wait") == 0) {
        std::printf("ready\n");
        std::fflush(stdout);
        return QCoreApplication::exec();
    }
    return 0;
}
