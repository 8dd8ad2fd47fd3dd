#pragma once

#include <QtGui/qwindowdefs.h>
#include <string>

namespace zq {

// Writes `utf8Title` as the title that the X11 window manager shows for a
// window of this process (its _NET_WM_NAME), over whatever Qt wrote there.
// Nothing is done when the program does not run on Qt's X11 platform or the
// window has no X window yet (0).
void SetX11WindowTitle(WId window, const std::string& utf8Title);

}  // namespace zq
