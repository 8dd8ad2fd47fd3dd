#include "drills/ui/KeyTranslation.h"

#include <QKeyEvent>

#include "base/VirtualKeys.h"

namespace zq {

int VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // same codes as 'A'..'Z'
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // same codes as '0'..'9'
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return VK_MENU;
        case Qt::Key_Pause:
            return VK_PAUSE;
        case Qt::Key_CapsLock:
            return VK_CAPITAL;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        default:
            return 0;
    }
}

std::optional<char32_t> TypedCharacterOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return U'\b';
        case Qt::Key_Tab:
            return U'\t';
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return U'\r';
        case Qt::Key_Escape:
            return U'\x1b';
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    const char32_t ch = text.toUcs4().value(0);
    // Control characters come from shortcuts (Ctrl+V gives 22): they type nothing.
    if (ch < 0x20 || ch == 0x7F) return std::nullopt;
    return ch;
}

}  // namespace zq
