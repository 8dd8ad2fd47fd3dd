#pragma once

namespace zq {

// Whether the program can place its windows on the screen itself. A Wayland
// desktop places every window as it sees fit and ignores where a program
// asks for it: there, windows that belong beside another go inside it, and a
// window that must cover the screen is shown full screen.
bool CanPlaceWindows();

}  // namespace zq
