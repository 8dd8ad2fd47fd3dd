#include "app/ui/LearnersDayPanel.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "base/Translation.h"
#include "base/ui/Utf8Text.h"

namespace zq {

namespace {

// The buttons' font is large; the panel's figures are read at a glance, smaller.
constexpr int kFigurePixels = 15;
constexpr int kPanelWidth = 250;

QLabel* AddLabel(QWidget* panel, QVBoxLayout* column, const char* name) {
    auto* label = new QLabel(panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    column->addWidget(label);
    return label;
}

}  // namespace

LearnersDayPanel::LearnersDayPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("LearnersDay"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(kPanelWidth);
    QFont figures = font();
    figures.setPixelSize(kFigurePixels);
    setFont(figures);
    setAccessibleName(QString::fromUtf8(Tr("Your day")));

    auto* column = new QVBoxLayout(this);
    column->setSpacing(6);
    LbCourse = AddLabel(this, column, "LbCourse");
    QFont title = figures;
    title.setBold(true);
    LbCourse->setFont(title);
    LbLineReached = AddLabel(this, column, "LbLineReached");
    column->addSpacing(6);
    LbToday = AddLabel(this, column, "LbToday");
    GoalBar = new QProgressBar(this);
    GoalBar->setObjectName(QStringLiteral("GoalBar"));
    GoalBar->setRange(0, 100);
    GoalBar->setValue(0);
    GoalBar->setTextVisible(false);
    GoalBar->setFixedHeight(10);
    GoalBar->setAccessibleName(QString::fromUtf8(Tr("Daily goal")));
    column->addWidget(GoalBar);
    LbDaysInARow = AddLabel(this, column, "LbDaysInARow");
    column->addSpacing(6);
    LbLastLine = AddLabel(this, column, "LbLastLine");
    column->addStretch(1);
}

void LearnersDayPanel::ShowDay(const LearnersDayTexts& day) {
    LbCourse->setText(FromUtf8View(day.course));
    LbLineReached->setText(FromUtf8View(day.lineReached));
    LbLineReached->setVisible(!day.lineReached.empty());
    LbToday->setText(FromUtf8View(day.today));
    GoalBar->setValue(day.goalPercent);
    LbDaysInARow->setText(FromUtf8View(day.daysInARow));
    LbLastLine->setText(FromUtf8View(day.lastLine));
}

}  // namespace zq
