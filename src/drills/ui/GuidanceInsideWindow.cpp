#include "drills/ui/GuidanceInsideWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "drills/GuidancePlacement.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {
namespace {

void KeepRoomWhenHidden(QWidget& widget, bool keep) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(keep);
    widget.setSizePolicy(policy);
}

// A hand's title stands above it, in place of its title bar, and is seen
// when the hand is.
class TitleOfHand : public QObject {
public:
    TitleOfHand(QLabel& title, QObject* parent) : QObject(parent), title_(title) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) title_.show();
        if (event->type() == QEvent::Hide) title_.hide();
        if (event->type() == QEvent::WindowTitleChange)
            title_.setText(static_cast<QWidget*>(watched)->windowTitle());
        return false;
    }

private:
    QLabel& title_;
};

}  // namespace

GuidanceInsideWindow::GuidanceInsideWindow(TVKeyboard& keyboard, TPalmForm& leftHand, TPalmForm& rightHand)
    : row_(new QWidget) {
    row_->setObjectName(QStringLiteral("GuidanceRow"));
    auto* layout = new QHBoxLayout(row_);
    layout->setContentsMargins(0, kKeyboardGap, 0, kKeyboardGap);
    layout->setSpacing(kHandsGap);
    layout->addStretch();
    HoldHand(leftHand, *layout);
    Hold(keyboard, *layout);
    layout->setAlignment(&keyboard, Qt::AlignTop);
    HoldHand(rightHand, *layout);
    layout->addStretch();
}

GuidanceInsideWindow::~GuidanceInsideWindow() {
    for (const Held& held : held_) {
        if (held.titleFollower != nullptr) held.window->removeEventFilter(held.titleFollower);
        held.window->hide();
        KeepRoomWhenHidden(*held.window, false);
        held.window->setMinimumSize(held.minimumSize);
        held.window->setMaximumSize(held.maximumSize);
        held.window->setParent(held.owner, held.flags);
    }
}

// The window keeps the size it has: the row is laid out around it.
void GuidanceInsideWindow::Hold(QWidget& window, QBoxLayout& into) {
    held_.push_back({&window, window.parentWidget(), window.windowFlags(), window.minimumSize(),
                     window.maximumSize(), nullptr});
    window.hide();
    window.setFixedSize(window.size());
    into.addWidget(&window);  // now a widget of the row
    KeepRoomWhenHidden(window, true);
}

void GuidanceInsideWindow::HoldHand(TPalmForm& hand, QBoxLayout& into) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* title = new QLabel(hand.windowTitle(), row_);
    title->setAlignment(Qt::AlignHCenter);
    KeepRoomWhenHidden(*title, true);
    title->setVisible(hand.isVisible());
    column->addWidget(title);
    Hold(hand, *column);
    held_.back().titleFollower = new TitleOfHand(*title, title);
    hand.installEventFilter(held_.back().titleFollower);
    column->addStretch();
    into.addLayout(column);
}

}  // namespace zq
