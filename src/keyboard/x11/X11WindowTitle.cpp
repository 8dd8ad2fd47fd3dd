#include "keyboard/x11/X11WindowTitle.h"

#include <QGuiApplication>

// X11's headers last: they define macros such as None and Bool.
#include <X11/Xlib.h>

namespace zq {

void SetX11WindowTitle(WId window, const std::string& utf8Title) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display || window == 0) return;
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8Title.data()),
                    static_cast<int>(utf8Title.size()));
    XFlush(display);
}

}  // namespace zq
