#include "keyboard/ui/GuidanceWindow.h"

#include <QEvent>
#include <QGuiApplication>

// X11's headers last: they define macros such as None and Bool.
#include <X11/Xlib.h>

namespace zq {
namespace {

// Writes the window's title as it stands into the title that the X11 window
// manager shows. Elsewhere, or before the window exists, nothing is done.
void WriteWindowManagerTitle(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display || window.internalWinId() == 0) return;
    const QByteArray title = window.windowTitle().toUtf8();
    XChangeProperty(display, window.internalWinId(), XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.constData()),
                    static_cast<int>(title.size()));
    XFlush(display);
}

// Qt's X11 platform adds the application's name to every window title, and
// puts it in an empty one. A guidance window is a small tool window whose
// title is its own ("Left", or none at all), so the title is written again
// after each time Qt may have written it.
class OwnWindowTitle : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::WindowTitleChange:
            case QEvent::WinIdChange:
                WriteWindowManagerTitle(*static_cast<QWidget*>(watched));
                break;
            default:
                break;
        }
        return false;
    }
};

}  // namespace

void MakeGuidanceWindow(QWidget& window, Qt::WindowFlags extraFlags) {
    window.setWindowFlags(Qt::Tool | Qt::WindowDoesNotAcceptFocus | extraFlags);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setFocusPolicy(Qt::NoFocus);
    window.installEventFilter(new OwnWindowTitle(&window));
}

}  // namespace zq
