#include "base/ui/WindowPlacement.h"

#include <QGuiApplication>

namespace zq {

bool CanPlaceWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace zq
