#include "keyboard/x11/X11WindowTitle.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <string>

// X11's headers last: they define macros such as None and Bool.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace zq {
namespace {

// The title the window manager reads for a window.
std::string WindowManagerTitle(Display* display, WId window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                       AnyPropertyType, &type, &format, &count, &left, &data);
    std::string title(data ? reinterpret_cast<const char*>(data) : "", count);
    if (data) XFree(data);
    return title;
}

// On the private X server that ./test starts, with Qt's X11 platform: the
// title written replaces the one Qt gave the window ("Left", to which Qt adds
// the program's name), in UTF-8, and an empty title stays empty.
TEST(X11WindowTitleTest, TheWindowManagerReadsTheTitleAsWritten) {
    const char* display = std::getenv("ZQ_TEST_X_DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "ZQ_TEST_X_DISPLAY names no X server";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("DISPLAY", display, 1);
    int argc = 1;
    char name[] = "test_keyboard_x11";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationDisplayName("ZQ Typing Tutor");
    auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);

    QWindow window;
    window.setTitle("Left");
    window.create();
    ASSERT_NE(window.winId(), 0u);

    SetX11WindowTitle(window.winId(), "Gauche \xC3\xA0 \xE2\x9C\x93");
    EXPECT_EQ(WindowManagerTitle(x11->display(), window.winId()), "Gauche \xC3\xA0 \xE2\x9C\x93");
    SetX11WindowTitle(window.winId(), "");
    EXPECT_EQ(WindowManagerTitle(x11->display(), window.winId()), "");
}

}  // namespace
}  // namespace zq
