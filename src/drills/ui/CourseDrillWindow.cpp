#include "drills/ui/CourseDrillWindow.h"

#include <QLabel>
#include <QToolButton>

#include "base/Translation.h"
#include "base/ui/Colours.h"
#include "base/ui/Utf8Text.h"

namespace zq {

namespace {
constexpr int kLabelLeft = 480;  // from the panel's left edge
constexpr int kButtonWidth = 25;
constexpr int kButtonHeight = 12;
constexpr int kButtonRightMargin = 8;
}  // namespace

CourseDrillWindow::CourseDrillWindow(stopwatch& watch, DrillGuidance guidance, QWidget* parent)
    : LinePracticeWindow(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Course")));

    Label1 = new QLabel(QStringLiteral("00 / 00"), MarkerRow());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(LbMark->font());
    Label1->move(kLabelLeft - MarkerRow()->x(), 0);

    SpeedButton1 = new QToolButton(MarkerRow());
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton2 = new QToolButton(MarkerRow());
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    for (QToolButton* button : {SpeedButton1, SpeedButton2}) {
        button->setFixedSize(kButtonWidth, kButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { CourseDrill().SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { CourseDrill().SpeedButton2Click(); });

    AttachDrill(std::make_unique<TFmCoursePrac>(*this, *this, watch, guidance));
}

void CourseDrillWindow::SetPositionLabel(std::string_view utf8) {
    Label1->setText(FromUtf8View(utf8));
    Label1->adjustSize();
}

void CourseDrillWindow::SetPositionLabelColor(std::int32_t color) {
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::WindowText, ToQColor(color));
    Label1->setPalette(labelPalette);
}

void CourseDrillWindow::resizeEvent(QResizeEvent* event) {
    LinePracticeWindow::resizeEvent(event);
    // The buttons keep their distance from the right edge when the window widens.
    const int right = MarkerRow()->width() - kButtonRightMargin;
    SpeedButton1->move(right - kButtonWidth, 0);
    SpeedButton2->move(right - 2 * kButtonWidth - 2, 0);
    Label1->move(kLabelLeft - MarkerRow()->x(), 0);
}

}  // namespace zq
