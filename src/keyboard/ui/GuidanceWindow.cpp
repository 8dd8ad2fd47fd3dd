#include "keyboard/ui/GuidanceWindow.h"

namespace zq {

void MakeGuidanceWindow(QWidget& window, Qt::WindowFlags extraFlags) {
    window.setWindowFlags(Qt::Tool | Qt::WindowDoesNotAcceptFocus | extraFlags);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setFocusPolicy(Qt::NoFocus);
}

}  // namespace zq
