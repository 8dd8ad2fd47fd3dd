#pragma once

// What a screen reader user meets in one window: its controls, each with
// the name the reader announces, and a plain-text dump of the window's
// accessible tree.

#include <string>
#include <vector>

#include "ScreenReader.h"

namespace zq::e2e {

// Whether an object is a control: something a learner acts on or reads a
// value from (a button, a box, a tab, a bar, a picture, a key of the
// on-screen keyboard...) or that takes the keyboard focus, as opposed to
// the panels and labels that hold and caption them. A label's name is its own text, so it is never
// without a name while it shows anything.
bool IsControl(const AccessibleObject& object);

struct WindowReport {
    int controls = 0;
    // Each control without an announced name, by its role and its place
    // ("push button at 1/3/2": the child indexes from the window down).
    std::vector<std::string> unnamed;
    // One line per object, indented by depth: role, name, description and
    // the states a reader cares about; unnamed controls are marked.
    std::string dump;
};

// Every object of a window, showing or not (a tab not chosen, a button
// shown only at times): all must have names.
WindowReport ReportOnWindow(const AccessibleObject& window);

}  // namespace zq::e2e
