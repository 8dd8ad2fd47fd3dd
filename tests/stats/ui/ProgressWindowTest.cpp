#include "stats/ui/ProgressWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "base/ui/Colours.h"
#include "course/Course.h"
#include "stats/HistoryStore.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressTexts.h"
#include "stats/SimulatedPractice.h"
#include "stats/WeakKeyLine.h"
#include "stats/ui/KeyHeatMapWidget.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using ::testing::HasSubstr;

constexpr std::int32_t kToday = 19'800;
const std::string kProgramDir = std::string(ZQ_PROGRAM_DIR) + "/";
Course English() {
    return Course(kProgramDir, "English");
}

class ProgressWindowTest : public ::testing::Test {
protected:
    // A week of the made-up learner, who misses q, z and p.
    void PractiseAWeek() {
        HistoryStore store(folder.File("zqstats.db"));
        const std::vector<std::string> words = WordsOf(ReadCourseTexts(English()));
        for (int day = 0; day < 7; ++day)
            store.AddLines(SimulateDay(SimulatedLearner{}, words, kToday - 6 + day, day));
    }
    ProgressSetup Setup() const { return {"Default", English(), kToday}; }

    test::TempFolder folder;
    PracticeHistory history{folder.File("zqstats.db"), nullptr};
};

TEST_F(ProgressWindowTest, AWeekOfPracticeShowsItsChartsKeysAndConfusions) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Progress of Default"));
    EXPECT_THAT(window.LbSummary->text().toStdString(), HasSubstr("280 lines"));
    ASSERT_EQ(window.Charts->count(), 3);
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_TRUE(window.Charts->widget(tab)->inherits("QChartView"))
            << "the chart module draws every chart";
    EXPECT_THAT(window.LbConfusions->text().toStdString(), HasSubstr("o typed for p"));
    EXPECT_THAT(window.LbSlowest->text().toStdString(), HasSubstr("q: "));
    EXPECT_TRUE(window.BnWeakKeys->isEnabled());
    EXPECT_EQ(window.HeatMap->sizeHint().width(), window.Overview().Keyboard().Keys().Width());
}

TEST_F(ProgressWindowTest, NeverLargerThanTheScreenAndTheButtonsStayInSight) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    window.show();
    const QSize screen = window.screen()->availableGeometry().size();
    const QSize figures = window.Figures->sizeHint();
    ASSERT_GT(figures.width(), screen.width()) << "the test needs a screen narrower than the keyboard";
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    EXPECT_TRUE(window.rect().contains(window.BnClose->geometry()));
    EXPECT_GT(window.FiguresArea->horizontalScrollBar()->maximum(), 0) << "the rest of the figures scrolls";
}

TEST_F(ProgressWindowTest, TheWeakKeyButtonClosesTheWindowWithALineOfThoseKeys) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    window.show();
    window.BnWeakKeys->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    ASSERT_TRUE(window.ChosenPractice().has_value());
    const std::string& line = window.ChosenPractice()->line8;
    EXPECT_NE(line.find_first_of("qzp"), std::string::npos);
    EXPECT_LE(line.size(), 80u);
    // The keys the window found weakest, p the most missed of them.
    const std::vector<char32_t>& weakest = window.Overview().Report().weakest;
    EXPECT_EQ(weakest.size(), 3u);
    EXPECT_EQ(weakest.at(0), 'p');
    EXPECT_THAT(window.ChosenPractice()->announcement, HasSubstr(KeyList(weakest)));
}

TEST_F(ProgressWindowTest, WithoutPracticeTheButtonWaitsAndSaysWhy) {
    ProgressWindow window(history, Setup(), kProgramDir);
    EXPECT_FALSE(window.BnWeakKeys->isEnabled());
    EXPECT_FALSE(window.BnWeakKeys->toolTip().isEmpty());
    EXPECT_THAT(window.LbSummary->text().toStdString(), HasSubstr("No practice"));
}

TEST_F(ProgressWindowTest, WithoutTheChartModuleTheWindowSaysSoAndShowsTheRest) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), folder.Dir());
    ASSERT_EQ(window.Charts->count(), 3);
    auto* label = qobject_cast<QLabel*>(window.Charts->widget(0));
    ASSERT_NE(label, nullptr);
    EXPECT_THAT(label->text().toStdString(), HasSubstr("cannot be shown"));
    EXPECT_THAT(window.LbConfusions->text().toStdString(), HasSubstr("o typed for p"));
}

TEST_F(ProgressWindowTest, TheHeatMapPaintsAKeyInItsColorAndFindsTheKeyUnderThePointer) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    const KeyHeatMap& keyboard = window.Overview().Keyboard();
    // The key that types "q", the learner's weakest.
    std::size_t q = 0;
    while (q < keyboard.Keys().Keys().size() && keyboard.HeatOf(q).characters.find('q') == std::string::npos)
        ++q;
    ASSERT_LT(q, keyboard.Keys().Keys().size());
    const KeyRect& rect = keyboard.Keys().Keys()[q]->Rect();
    const QPoint middle(rect.Left + rect.Width / 2, rect.Top + rect.Height / 2);
    EXPECT_EQ(window.HeatMap->KeyAt(middle), static_cast<int>(q));
    EXPECT_EQ(window.HeatMap->KeyAt(QPoint(-5, -5)), -1);

    window.show();
    QApplication::processEvents();
    ASSERT_EQ(window.HeatMap->size(), window.HeatMap->sizeHint());
    const QImage picture = window.HeatMap->grab().toImage();
    const QColor heat = ToQColor(*keyboard.ColorOf(q));
    int heatPixels = 0;
    for (int y = rect.Top; y < rect.Top + rect.Height; ++y)
        for (int x = rect.Left; x < rect.Left + rect.Width; ++x)
            heatPixels += picture.pixelColor(x, y) == heat;
    EXPECT_GT(heatPixels, rect.Width * rect.Height / 10) << "the key's face shows its colour";
}

}  // namespace
}  // namespace zq
