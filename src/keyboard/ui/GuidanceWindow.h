#pragma once

#include <QWidget>

namespace zq {

// Makes a top-level window a guidance window: a tool window that never takes
// the keyboard focus and is never activated when shown, so that the
// learner's typing stays in the drill window, and whose title bar shows its
// own title alone.
void MakeGuidanceWindow(QWidget& window, Qt::WindowFlags extraFlags = {});

}  // namespace zq
