#include "drills/ui/CourseDrillWindow.h"

#include <QEvent>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/Utf8Text.h"

namespace zq {

namespace {
constexpr int kLabelLeft = 480;  // from the panel's left edge
constexpr int kButtonWidth = 25;
constexpr int kButtonHeight = 12;
constexpr int kButtonRightMargin = 8;
constexpr int kButtonGap = 2;
}  // namespace

CourseDrillWindow::CourseDrillWindow(stopwatch& watch, DrillGuidance guidance, QWidget* parent)
    : LinePracticeWindow(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Course")));

    PositionLb = new QLabel(QStringLiteral("00 / 00"), MarkerRow());
    PositionLb->setObjectName(QStringLiteral("PositionLb"));
    PositionLb->setFont(LbMark->font());
    PositionLb->move(kLabelLeft - MarkerRow()->x(), 0);

    PreviousLineBn = new QToolButton(MarkerRow());
    PreviousLineBn->setObjectName(QStringLiteral("PreviousLineBn"));
    NextLineBn = new QToolButton(MarkerRow());
    NextLineBn->setObjectName(QStringLiteral("NextLineBn"));
    // Small buttons without a caption; the arrow keys do the same.
    PreviousLineBn->setAccessibleName(QString::fromUtf8(Tr("Previous line")));
    NextLineBn->setAccessibleName(QString::fromUtf8(Tr("Next line")));
    for (QToolButton* button : {PreviousLineBn, NextLineBn}) {
        button->setFixedSize(kButtonWidth, kButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
    connect(PreviousLineBn, &QToolButton::clicked, this, [this] { CourseDrill().PreviousLineBnClick(); });
    connect(NextLineBn, &QToolButton::clicked, this, [this] { CourseDrill().NextLineBnClick(); });

    MarkerRow()->installEventFilter(this);
    AttachDrill(std::make_unique<TFmCoursePrac>(*this, *this, watch, guidance));
}

void CourseDrillWindow::SetPositionLabel(std::string_view utf8) {
    PositionLb->setText(FromUtf8View(utf8));
    PositionLb->adjustSize();
    PlaceRowParts();
}

void CourseDrillWindow::SetPositionLabelColor(std::int32_t color) {
    QPalette labelPalette = PositionLb->palette();
    labelPalette.setColor(QPalette::WindowText, ToQColor(color));
    PositionLb->setPalette(labelPalette);
}

void CourseDrillWindow::resizeEvent(QResizeEvent* event) {
    LinePracticeWindow::resizeEvent(event);
    PlaceRowParts();
}

bool CourseDrillWindow::eventFilter(QObject* watched, QEvent* event) {
    // The row takes its width from the window's layout after the window's own resize.
    if (watched == MarkerRow() && event->type() == QEvent::Resize) PlaceRowParts();
    return LinePracticeWindow::eventFilter(watched, event);
}

void CourseDrillWindow::PlaceRowParts() {
    // The buttons keep their distance from the right edge when the window widens.
    const int right = MarkerRow()->width() - kButtonRightMargin;
    PreviousLineBn->move(right - kButtonWidth, 0);
    NextLineBn->move(right - 2 * kButtonWidth - kButtonGap, 0);
    // The label stands at its place from the left, unless the row is too
    // narrow for it there (a large scale factor on a small screen): then as
    // far left as it takes to show it whole, clear of the buttons.
    const int left =
        std::min(kLabelLeft - MarkerRow()->x(), NextLineBn->x() - kButtonGap - PositionLb->width());
    PositionLb->move(std::max(0, left), 0);
}

}  // namespace zq
