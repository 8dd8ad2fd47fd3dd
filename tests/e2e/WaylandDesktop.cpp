#include "WaylandDesktop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <sstream>

namespace zq::e2e {
namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

// Every window of sway's tree, the floating ones included.
void ForEachWindow(const QJsonObject& node, const std::function<void(const QJsonObject&)>& visit) {
    if (node.contains(QStringLiteral("pid"))) visit(node);
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(QLatin1String(children)).toArray()) {
            ForEachWindow(child.toObject(), visit);
        }
    }
}

}  // namespace

std::optional<WaylandSession> TestWaylandSession() {
    const std::optional<std::string> display = Variable("ZQ_TEST_WAYLAND_DISPLAY");
    const std::optional<std::string> runtime = Variable("ZQ_TEST_WAYLAND_RUNTIME_DIR");
    const std::optional<std::string> socket = Variable("ZQ_TEST_SWAYSOCK");
    if (!display || !runtime || !socket || !std::filesystem::exists(ZQ_VIRTUAL_KEYBOARD)) return std::nullopt;
    return WaylandSession{*display, *runtime, *socket};
}

std::optional<std::string> TestXWaylandDisplay() {
    if (!CommandOutput("command -v xdotool")) return std::nullopt;
    return Variable("ZQ_TEST_XWAYLAND_DISPLAY");
}

WaylandDesktop::WaylandDesktop(WaylandSession session, std::string keymap, std::string positions)
    : session_(std::move(session)), keymap_(std::move(keymap)), positions_(std::move(positions)) {}

std::vector<std::string> WaylandDesktop::ProgramVariables() const {
    return {"WAYLAND_DISPLAY=" + session_.display, "XDG_RUNTIME_DIR=" + session_.runtimeFolder,
            "QT_QPA_PLATFORM=wayland", "XDG_CURRENT_DESKTOP=sway"};
}

std::string WaylandDesktop::Swaymsg(const std::string& arguments) {
    return CommandOutput("SWAYSOCK=" + ShellQuoted(session_.swaySocket) + " swaymsg " + arguments +
                         " 2>/dev/null")
        .value_or("");
}

std::vector<std::string> WaylandDesktop::VisibleWindows(pid_t pid, const std::string& titlePattern) {
    const QJsonObject tree =
        QJsonDocument::fromJson(QByteArray::fromStdString(Swaymsg("-t get_tree"))).object();
    const std::regex title(titlePattern);
    std::vector<std::string> windows;
    ForEachWindow(tree, [&](const QJsonObject& window) {
        if (window.value(QStringLiteral("pid")).toInt() != pid ||
            !window.value(QStringLiteral("visible")).toBool()) {
            return;
        }
        const std::string name = window.value(QStringLiteral("name")).toString().toStdString();
        if (std::regex_search(name, title)) {
            windows.push_back(std::to_string(window.value(QStringLiteral("id")).toInteger()));
        }
    });
    return windows;
}

std::optional<Desktop::Rect> WaylandDesktop::Geometry(const std::string& window) {
    const QJsonObject tree =
        QJsonDocument::fromJson(QByteArray::fromStdString(Swaymsg("-t get_tree"))).object();
    std::optional<Rect> found;
    ForEachWindow(tree, [&](const QJsonObject& node) {
        if (std::to_string(node.value(QStringLiteral("id")).toInteger()) != window) return;
        const QJsonObject rect = node.value(QStringLiteral("rect")).toObject();
        found =
            Rect{rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
                 rect.value(QStringLiteral("width")).toInt(), rect.value(QStringLiteral("height")).toInt()};
    });
    return found;
}

void WaylandDesktop::Activate(const std::string& window) {
    Swaymsg(ShellQuoted("[con_id=" + window + "] focus"));
}

void WaylandDesktop::VirtualKeyboard(const std::string& actions) {
    std::string command = "WAYLAND_DISPLAY=" + ShellQuoted(session_.display) +
                          " XDG_RUNTIME_DIR=" + ShellQuoted(session_.runtimeFolder) + " " +
                          ShellQuoted(ZQ_VIRTUAL_KEYBOARD) + " --keymap " + ShellQuoted(keymap_);
    if (!positions_.empty()) command += " --positions " + ShellQuoted(positions_);
    CommandOutput(command + " " + actions);
}

void WaylandDesktop::Keys(const std::string& keys) {
    std::istringstream names(keys);
    std::string actions;
    for (std::string name; names >> name;) actions += " key " + ShellQuoted(name);
    VirtualKeyboard(actions);
}

void WaylandDesktop::Type(const std::string& text) {
    VirtualKeyboard("--delay 150 type " + ShellQuoted(text));
}

bool WaylandDesktop::Screenshot(const std::string& path) {
    return CommandOutput("WAYLAND_DISPLAY=" + ShellQuoted(session_.display) + " XDG_RUNTIME_DIR=" +
                         ShellQuoted(session_.runtimeFolder) + " grim " + ShellQuoted(path))
        .has_value();
}

}  // namespace zq::e2e
