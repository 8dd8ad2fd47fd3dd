#pragma once

#include <QAccessible>

class QWidget;

namespace zq {

// Tells screen readers what a plain widget is, where Qt cannot know: a
// top-level QWidget is a window (a frame, which readers announce with its
// title), not a mere area. Call first in the widget's constructor: Qt keeps
// the first interface it makes for a widget, and setting a title or a name
// makes one.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

}  // namespace zq
