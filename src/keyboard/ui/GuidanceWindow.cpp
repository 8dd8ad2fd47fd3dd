#include "keyboard/ui/GuidanceWindow.h"

#include <QEvent>

#include "keyboard/x11/X11WindowTitle.h"

namespace zq {
namespace {

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
                WriteOwnTitle(*static_cast<QWidget*>(watched));
                break;
            default:
                break;
        }
        return false;
    }

private:
    static void WriteOwnTitle(const QWidget& window) {
        SetX11WindowTitle(window.internalWinId(), window.windowTitle().toUtf8().toStdString());
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
