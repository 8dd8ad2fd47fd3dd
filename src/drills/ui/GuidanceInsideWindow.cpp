#include "drills/ui/GuidanceInsideWindow.h"

#include <QHBoxLayout>

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

}  // namespace

GuidanceInsideWindow::GuidanceInsideWindow(TVKeyboard& keyboard, TPalmForm& leftHand, TPalmForm& rightHand)
    : row_(new QWidget) {
    row_->setObjectName(QStringLiteral("GuidanceRow"));
    auto* layout = new QHBoxLayout(row_);
    layout->setContentsMargins(0, kKeyboardGap, 0, kKeyboardGap);
    layout->setSpacing(kHandsGap);
    layout->addStretch();
    for (QWidget* window : {static_cast<QWidget*>(&leftHand), static_cast<QWidget*>(&keyboard),
                            static_cast<QWidget*>(&rightHand)}) {
        Hold(*window, *layout);
        layout->setAlignment(window, Qt::AlignTop);
    }
    layout->addStretch();
}

GuidanceInsideWindow::~GuidanceInsideWindow() {
    for (const Held& held : held_) {
        held.window->hide();
        KeepRoomWhenHidden(*held.window, false);
        held.window->setMinimumSize(held.minimumSize);
        held.window->setMaximumSize(held.maximumSize);
        held.window->setParent(held.owner, held.flags);
    }
}

// The window keeps the size it has: the row is laid out around it.
void GuidanceInsideWindow::Hold(QWidget& window, QBoxLayout& into) {
    held_.push_back(
        {&window, window.parentWidget(), window.windowFlags(), window.minimumSize(), window.maximumSize()});
    window.hide();
    window.setFixedSize(window.size());
    into.addWidget(&window);  // now a widget of the row
    KeepRoomWhenHidden(window, true);
}

}  // namespace zq
