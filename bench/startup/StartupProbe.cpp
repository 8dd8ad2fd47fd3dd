// startup_probe TITLE-PREFIX PROGRAM [ARGUMENTS...]
//
// Starts the program on the X display of DISPLAY and prints three figures:
// the seconds from the start of the process until a window whose title
// begins with TITLE-PREFIX is viewable, the processor seconds the program
// used until then (a figure that other work on a busy machine disturbs
// less), and its resident memory (RSS) in MiB three seconds later. Then it
// ends the program. Uses Xlib and the base's file reader alone (no Qt), so
// that the probe costs the program under test nothing.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "base/WholeFile.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowTitle(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, AnyPropertyType, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
    }
    if (data != nullptr) XFree(data);
    return title;
}

// A viewable window anywhere below `window` whose title begins with the prefix.
bool FindViewable(Display* display, Window window, const std::string& prefix) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable &&
        WindowTitle(display, window).rfind(prefix, 0) == 0) {
        return true;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) found = FindViewable(display, children[i], prefix);
    if (children != nullptr) XFree(children);
    return found;
}

double RssMiB(pid_t pid) {
    std::istringstream status(zq::ReadWholeFile("/proc/" + std::to_string(pid) + "/status").bytes);
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// User and system time of the process so far, in seconds.
double CpuSeconds(pid_t pid) {
    const std::string text = zq::ReadWholeFile("/proc/" + std::to_string(pid) + "/stat").bytes;
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) user = std::stoull(field);
        if (index == 15) {
            system = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;  // windows vanish while the tree is read
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE-PREFIX PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreXErrors);
    const std::string prefix = argv[1];

    pid_t pid = -1;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[2]);
        return 1;
    }
    std::optional<double> shown;
    double cpu = 0;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        if (FindViewable(display, DefaultRootWindow(display), prefix)) {
            shown = std::chrono::duration<double>(Clock::now() - start).count();
            cpu = CpuSeconds(pid);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const double rss = RssMiB(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (!shown) {
        std::fprintf(stderr, "no window \"%s...\" appeared\n", prefix.c_str());
        return 1;
    }
    std::printf("%.3f %.1f %.2f\n", *shown, rss, cpu);
    return 0;
}
