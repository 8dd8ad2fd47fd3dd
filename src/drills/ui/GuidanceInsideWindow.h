#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class QBoxLayout;

namespace zq {

class TPalmForm;
class TVKeyboard;

// The keyboard and hands windows inside another window, on a desktop that
// places every window itself (Wayland), where they could not stand beside
// it: in a row below the window's content, as they stand below it
// elsewhere, the keyboard in the middle and each hand beside it under the
// title it draws itself ("Left", "Right"). Inside, they take their room even while hidden,
// have no frame of their own and are not moved by the drills (their guides
// report no frame). Destroying this gives them back as the windows they
// were, hidden: it must go before the window that holds the row (the drill
// window keeps it for that).
class GuidanceInsideWindow {
public:
    GuidanceInsideWindow(TVKeyboard& keyboard, TPalmForm& leftHand, TPalmForm& rightHand);
    ~GuidanceInsideWindow();
    GuidanceInsideWindow(const GuidanceInsideWindow&) = delete;
    GuidanceInsideWindow& operator=(const GuidanceInsideWindow&) = delete;

    // The row, for the holding window's layout, which takes it over.
    QWidget* Row() const { return row_; }

private:
    struct Held {
        QWidget* window;
        QWidget* owner;
        Qt::WindowFlags flags;
        QSize minimumSize;
        QSize maximumSize;
    };
    void Hold(QWidget& window, QBoxLayout& into);

    QPointer<QWidget> row_;
    std::vector<Held> held_;
};

}  // namespace zq
