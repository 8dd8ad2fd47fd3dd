#include "keyboard/x11/X11LayoutFollower.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>

#include "keyboard/x11/X11LayoutBackend.h"

namespace zq {
namespace {

constexpr int kLeaveDelayMs = 300;

}  // namespace

void ApplicationWatchDeleter::operator()(QObject* watch) const {
    delete watch;
}

ApplicationWatch FollowApplicationState(X11LayoutBackend& backend) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return nullptr;
    ApplicationWatch watch(new QObject);
    QObject::connect(application, &QCoreApplication::aboutToQuit, watch.get(),
                     [&backend] { backend.ProgramEnding(); });

    auto* guiApplication = qobject_cast<QGuiApplication*>(application);
    if (guiApplication == nullptr) return watch;
    auto* leaveTimer = new QTimer(watch.get());
    leaveTimer->setSingleShot(true);
    leaveTimer->setInterval(kLeaveDelayMs);
    QObject::connect(leaveTimer, &QTimer::timeout, watch.get(),
                     [&backend] { backend.RestoreDesktopLayouts(); });
    QObject::connect(guiApplication, &QGuiApplication::applicationStateChanged, watch.get(),
                     [&backend, leaveTimer](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive) {
                             leaveTimer->stop();
                             backend.ReapplyProgramLayout();
                         } else if (backend.ProgramLayoutShown()) {
                             leaveTimer->start();
                         }
                     });
    return watch;
}

}  // namespace zq
