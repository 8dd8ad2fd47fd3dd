// A learner's session with the adaptive drill, through the program's own
// windows on Qt's offscreen platform: log on, open the adaptive drill from
// the main window, type three lines, close it; the main window's panel then
// shows today's practice time and the line reached in the course.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <thread>

#include "../../support/TempFolder.h"
#include "WindowTestSupport.h"
#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "app/ui/DrillWindows.h"
#include "app/ui/LearnersDayPanel.h"
#include "app/ui/LogonWindow.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ProgramWindows.h"
#include "base/TextFile.h"
#include "drills/ui/AdaptiveDrillWindow.h"
#include "drills/ui/KeyCapRow.h"
#include "stats/HistoryStore.h"
#include "stats/LocalDay.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

// Types the drill's line as it stands, a key every `msPerKey`, and the key
// that ends it.
void TypeLine(AdaptiveDrillWindow& drill, int msPerKey) {
    const QString sample = drill.SampleEdit->toPlainText();
    for (const QChar ch : sample + QStringLiteral(" ")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(msPerKey));
        const int key = ch == u' ' ? int{Qt::Key_Space} : int{ch.toUpper().unicode()};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(drill.InputEdit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(drill.InputEdit, &release);
    }
}

class AdaptiveSessionTest : public ::testing::Test {
protected:
    AdaptiveSessionTest() {
        testing::WriteProgramFolder(folder / "");
        settings.Load();
        logon.SetStarter(&starter);
    }

    TempFolder folder;
    TSettings settings{folder.Dir()};
    LogonWindow logon{settings};
    ProgramWindows windows{logon, settings};
    TZQStarterLocal starter{windows, settings};
    testing::MessageBoxAnswerer boxes;  // this platform cannot switch keyboard layouts
};

TEST_F(AdaptiveSessionTest, ThreeLinesOfTheAdaptiveDrillShowInTheMainWindowsPanel) {
    logon.show();
    QApplication::processEvents();
    testing::PressKey(logon.ComboUser->lineEdit(), Qt::Key_Return);
    QApplication::processEvents();
    auto* main = dynamic_cast<MainWindow*>(starter.MainWindow());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(main->isVisible());
    QApplication::processEvents();  // the panel is filled once the window is on screen
    const int courseLines = static_cast<int>(ReadTextLines(folder.File("Courses/English/course.txt")).size());
    const QString lineReached = QStringLiteral("Line 1 of %1").arg(courseLines);
    EXPECT_EQ(main->Day->LbCourse->text(), "English");
    EXPECT_EQ(main->Day->LbLineReached->text(), lineReached);
    EXPECT_EQ(main->Day->LbLastLine->text(), "No line typed yet");
    EXPECT_FALSE(std::filesystem::exists(folder.File("zqstats.db")));

    QStringList samples;
    std::vector<std::size_t> keysShown;
    QTimer::singleShot(0, main, [&] {
        auto* drill = qobject_cast<AdaptiveDrillWindow*>(main->Drills().OpenWindow());
        ASSERT_NE(drill, nullptr) << "the adaptive drill did not open";
        EXPECT_EQ(drill->windowTitle(), "Adaptive Drill");
        for (int line = 0; line < 3; ++line) {
            samples << drill->SampleEdit->toPlainText();
            keysShown.push_back(drill->KeyCaps->Keys().size());
            TypeLine(*drill, 25);
        }
        testing::PressKey(drill->InputEdit, Qt::Key_Escape);
    });
    main->AdaptiveBn->click();

    ASSERT_EQ(samples.size(), 3);
    for (const QString& sample : samples) {
        EXPECT_THAT(sample.toStdString(), MatchesRegex("[fjdk ]+")) << "the English course's first keys";
    }
    EXPECT_EQ(keysShown, (std::vector<std::size_t>{4, 4, 4}));

    HistoryStore history(folder.File("zqstats.db"));
    const std::int32_t today = LocalDayOf(NowUtcMilliseconds());
    const std::vector<DrillDay> days = history.DrillDays("Default", today, today);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].drill, DrillKind::Adaptive);
    EXPECT_EQ(days[0].lines, 3);
    const std::int64_t seconds = days[0].timeMs / 1000;
    ASSERT_GT(seconds, 0) << "three lines take a few seconds";
    EXPECT_EQ(main->Day->LbToday->text(), QStringLiteral("Today: 0 m %1 s of 10 m").arg(seconds));
    EXPECT_EQ(main->Day->GoalBar->value(), static_cast<int>(days[0].timeMs * 100 / 600'000));
    EXPECT_EQ(main->Day->LbLineReached->text(), lineReached) << "the adaptive drill leaves the course's line";
    EXPECT_THAT(main->Day->LbLastLine->text().toStdString(), HasSubstr("100 % accuracy"));
    EXPECT_EQ(main->Day->LbDaysInARow->text(), "Days in a row with the goal reached: 0");
    main->hide();
}

}  // namespace
}  // namespace zq
