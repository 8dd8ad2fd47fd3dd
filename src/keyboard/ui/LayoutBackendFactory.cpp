#include "keyboard/ui/LayoutBackendFactory.h"

#include <QGuiApplication>
#include <cstdlib>

#include "keyboard/EnvironmentLayoutBackend.h"
#include "keyboard/ui/LayoutLocaleTexts.h"
#include "keyboard/wayland/WaylandCompose.h"
#include "keyboard/wayland/WaylandLayoutBackend.h"
#include "keyboard/x11/X11LayoutBackend.h"

namespace zq {

void PreferX11Platform() {
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (display != nullptr && *display != '\0' && (platform == nullptr || *platform == '\0')) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

std::unique_ptr<LayoutBackend> CreateLayoutBackend() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        return std::make_unique<WaylandLayoutBackend>(LayoutLocaleText, ConfiguredKeyboardGroups());
    }
    RestoreComposeEnvironment();  // prepared for a Wayland platform that Qt did not take
    if (platform == QLatin1String("xcb")) {
        if (auto x11 = X11LayoutBackend::Connect(nullptr, LayoutLocaleText)) return x11;
    }
    return std::make_unique<EnvironmentLayoutBackend>(LayoutLocaleText, ConfiguredKeyboardGroups());
}

std::unique_ptr<TKeyboardLayoutAgent> CreateKeyboardLayoutAgent() {
    return std::make_unique<TKeyboardLayoutAgent>(CreateLayoutBackend());
}

}  // namespace zq
