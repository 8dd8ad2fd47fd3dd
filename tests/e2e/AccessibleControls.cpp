#include "AccessibleControls.h"

#include <array>
#include <string_view>

namespace zq::e2e {
namespace {

// Roles of what is acted on or read; containers, labels, notifications
// (a message, which says nothing while there is none) and the parts of a
// box that never take the focus (its scroll bars) are not among them.
constexpr std::array<std::string_view, 20> kControlRoles = {
    "push button",   "toggle button", "check box",  "radio button", "combo box", "text",      "entry",
    "password text", "spin button",   "slider",     "page tab",     "menu item", "list item", "table cell",
    "progress bar",  "image",         "status bar", "link",         "tree item", "canvas",
};

std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n' || ch == '\r' || ch == '\t') ch = ' ';
    }
    return text;
}

void Describe(const AccessibleObject& object, const std::string& place, int depth, WindowReport& report) {
    const bool control = depth == 0 || IsControl(object);
    const std::string name = object.AnnouncedName();
    const bool unnamed = control && name.empty();
    if (control) ++report.controls;
    if (unnamed) report.unnamed.push_back(object.Role() + " at " + (place.empty() ? "the window" : place));

    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += object.Role() + " \"" + OneLine(name) + "\"";
    if (const std::string description = object.Description(); !description.empty())
        line += " \u2014 " + OneLine(description);
    std::string states;
    if (object.Showing()) states += " showing";
    if (object.Focusable()) states += " focusable";
    if (object.Focused()) states += " focused";
    if (object.Selected()) states += " selected";
    if (!states.empty()) line += " [" + states.substr(1) + "]";
    if (unnamed) line += "   <-- no name";
    report.dump += line + "\n";

    const std::vector<AccessibleObject> children = object.Children();
    for (std::size_t i = 0; i < children.size(); ++i) {
        Describe(children[i], place + "/" + std::to_string(i), depth + 1, report);
    }
}

}  // namespace

bool IsControl(const AccessibleObject& object) {
    // Whatever takes the focus is announced when it does.
    if (object.Focusable()) return true;
    const std::string role = object.Role();
    for (std::string_view controlRole : kControlRoles) {
        if (role == controlRole) return true;
    }
    return false;
}

WindowReport ReportOnWindow(const AccessibleObject& window) {
    WindowReport report;
    Describe(window, "", 0, report);
    return report;
}

}  // namespace zq::e2e
