#pragma once

#include <QFrame>

#include "app/LearnersDayTexts.h"

class QLabel;
class QProgressBar;

namespace zq {

// The panel beside the main window's buttons: the learner's course and the
// line reached in it, today's practice time against the daily goal (with a
// bar), the days in a row with the goal reached, and the last line's speed
// and accuracy.
class LearnersDayPanel : public QFrame {
    Q_OBJECT

public:
    explicit LearnersDayPanel(QWidget* parent = nullptr);

    void ShowDay(const LearnersDayTexts& day);

    QLabel* LbCourse = nullptr;
    QLabel* LbLineReached = nullptr;
    QLabel* LbToday = nullptr;
    QProgressBar* GoalBar = nullptr;
    QLabel* LbDaysInARow = nullptr;
    QLabel* LbLastLine = nullptr;
};

}  // namespace zq
