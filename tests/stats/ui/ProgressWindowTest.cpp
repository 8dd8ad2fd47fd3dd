#include "stats/ui/ProgressWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <cmath>

#include <QApplication>
#include <QGraphicsObject>
#include <QGraphicsView>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "base/ColorContrast.h"
#include "base/ui/Colors.h"
#include "course/Course.h"
#include "stats/HandsPicture.h"
#include "stats/HistoryStore.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressTexts.h"
#include "stats/SimulatedPractice.h"
#include "stats/WeakKeyLine.h"
#include "stats/ui/HandsPictureWidget.h"
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

// The value axes of the window's charts, read through their properties (the
// charts live in a module of their own).
std::vector<const QObject*> ValueAxes(const ProgressWindow& window) {
    std::vector<const QObject*> axes;
    for (int tab = 0; tab < window.Charts->count(); ++tab) {
        const auto* view = qobject_cast<const QGraphicsView*>(window.Charts->widget(tab));
        if (view == nullptr) continue;
        for (QGraphicsItem* item : view->scene()->items()) {
            const QGraphicsObject* chart = item->toGraphicsObject();
            if (chart == nullptr || !chart->inherits("QChart")) continue;
            for (const QObject* child : chart->findChildren<QObject*>())
                if (child->inherits("QValueAxis")) axes.push_back(child);
        }
    }
    return axes;
}

// Every tick of a value axis labelled in whole numbers falls on a whole
// number, and the labels differ from one another.
void ExpectWholeNumberTicks(const QObject& axis) {
    const double low = axis.property("min").toDouble();
    const double high = axis.property("max").toDouble();
    const int ticks = axis.property("tickCount").toInt();
    ASSERT_GE(ticks, 2);
    EXPECT_LT(low, high);
    EXPECT_LE(ticks, 7) << "a handful of labels, not a crowd";
    const double step = (high - low) / (ticks - 1);
    EXPECT_GE(step, 1.0) << "two ticks would read the same";
    for (int tick = 0; tick < ticks; ++tick) {
        const double value = low + tick * step;
        EXPECT_DOUBLE_EQ(value, std::round(value)) << "tick " << tick << " of " << low << ".." << high;
    }
}

// The titles of the window's pages, wherever they stand.
std::vector<std::string> PageTitles(const ProgressWindow& window) {
    std::vector<std::string> titles;
    for (const QTabWidget* pages : {window.Charts, window.Lists})
        for (int page = 0; page < pages->count(); ++page)
            titles.push_back(pages->tabText(page).toStdString());
    return titles;
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
    ASSERT_EQ(window.ChartPageCount(), 3);
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_TRUE(window.Charts->widget(tab)->inherits("QChartView"))
            << "the chart module draws every chart";
    EXPECT_THAT(window.LbConfusions->text().toStdString(), HasSubstr("o typed for p"));
    EXPECT_THAT(window.LbSlowest->text().toStdString(), HasSubstr("q: "));
    EXPECT_TRUE(window.BnWeakKeys->isEnabled());
    EXPECT_EQ(window.HeatMap->sizeHint().width(), window.Overview().Keyboard().Keys().Width());
}

TEST_F(ProgressWindowTest, PairsFingersAndTheKindOfEachConfusionAreShown) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);

    // The learner hesitates over "ou", "ck" and "ly", and misses p for o.
    EXPECT_THAT(PageTitles(window), ::testing::IsSupersetOf({"&Keys", "Pairs of ke&ys", "&Fingers"}));
    const std::string slowPairs = window.LbSlowestPairs->text().toStdString();
    EXPECT_THAT(slowPairs, HasSubstr(" ms"));
    EXPECT_TRUE(slowPairs.find("ou: ") != std::string::npos || slowPairs.find("ck: ") != std::string::npos ||
                slowPairs.find("ly: ") != std::string::npos)
        << slowPairs;
    EXPECT_THAT(window.LbMissedPairs->text().toStdString(), HasSubstr(" missed"));
    EXPECT_THAT(window.LbConfusions->text().toStdString(), HasSubstr("o typed for p: "));
    EXPECT_THAT(window.LbConfusions->text().toStdString(), HasSubstr("neighbouring finger"));
    EXPECT_TRUE(window.BnSlowPairs->isEnabled());

    // Every finger of the English keyboard's letters has typed, with its figures.
    const HandsPicture& hands = window.Hands->Picture();
    for (const int finger : {0, 1, 2, 3, 6, 7, 8, 9}) {
        EXPECT_TRUE(hands.fingers[static_cast<std::size_t>(finger)].color.has_value()) << finger;
        EXPECT_FALSE(hands.fingers[static_cast<std::size_t>(finger)].accuracy.empty()) << finger;
    }
    EXPECT_THAT(hands.figures[0], HasSubstr("keys/min"));
    EXPECT_THAT(hands.figures[1], HasSubstr("keys/min"));
    EXPECT_EQ(window.Hands->FingerAt(QPoint(-5, -5)), std::nullopt);
}

TEST_F(ProgressWindowTest, TheSlowPairButtonClosesTheWindowWithALineOfThosePairs) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    window.show();
    window.BnSlowPairs->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    ASSERT_TRUE(window.ChosenPractice().has_value());
    const std::vector<PairTally>& slowest = window.Overview().Report().slowestPairs;
    ASSERT_GE(slowest.size(), 3u);
    const std::string& line = window.ChosenPractice()->line8;
    EXPECT_LE(line.size(), 80u);
    const std::string first{static_cast<char>(slowest[0].first), static_cast<char>(slowest[0].second)};
    EXPECT_NE(line.find(first), std::string::npos) << line;
    EXPECT_THAT(window.ChosenPractice()->announcement, HasSubstr(first));
}

// Clicks a button of the next message box that opens, and keeps its text.
class NextMessageBox {
public:
    explicit NextMessageBox(QMessageBox::StandardButton button) {
        watch_.setInterval(5);
        QObject::connect(&watch_, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            texts.push_back(box->text().toStdString());
            box->button(button)->click();
        });
        watch_.start();
    }
    std::vector<std::string> texts;

private:
    QTimer watch_;
};

TEST_F(ProgressWindowTest, TheExportWritesBothFilesAndAsksBeforeReplacingThem) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    test::TempFolder into;
    {
        NextMessageBox ok(QMessageBox::Ok);
        window.ExportTo(QString::fromStdString(into.Dir()));
        ASSERT_EQ(ok.texts.size(), 1u);
        EXPECT_THAT(ok.texts[0], HasSubstr("280 lines"));
    }
    const HistoryExportFiles files = window.Overview().ExportFiles(into.Dir());
    const std::string lines = into.Read(files.lines.substr(into.Dir().size()));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 281);
    into.Write(files.lines.substr(into.Dir().size()), "kept");
    {
        NextMessageBox no(QMessageBox::No);
        window.ExportTo(QString::fromStdString(into.Dir()));
        ASSERT_EQ(no.texts.size(), 1u);
        EXPECT_THAT(no.texts[0], HasSubstr("Replace"));
    }
    EXPECT_EQ(into.Read(files.lines.substr(into.Dir().size())), "kept");
}

// The tests' screen (800 x 600) has no room for the charts beside the lists
// above the keyboard, as a laptop at scale factor 2 has none.
TEST_F(ProgressWindowTest, OnASmallScreenEveryPartIsAPageSeenWholeWithTheButtonsInSight) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    window.show();
    QApplication::processEvents();
    const QSize screen = window.screen()->availableGeometry().size();
    ASSERT_GT(window.HeatMap->sizeHint().width() + window.Lists->sizeHint().width(), screen.width())
        << "the test needs a screen too small for the whole window";
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    EXPECT_TRUE(window.rect().contains(window.BnClose->geometry()));
    EXPECT_EQ(window.FiguresArea, nullptr) << "nothing lies out of sight to scroll to";

    QStringList pages;
    for (int page = 0; page < window.Charts->count(); ++page) pages << window.Charts->tabText(page);
    EXPECT_EQ(pages.size(), 7) << pages.join(", ").toStdString();
    EXPECT_EQ(pages.mid(3).join(", "), "&Keys, Pairs of ke&ys, &Fingers, Errors per key");
    for (int page = 0; page < window.Charts->count(); ++page) {
        window.Charts->setCurrentIndex(page);
        QApplication::processEvents();
        const QWidget& shown = *window.Charts->currentWidget();
        const QSize needed = shown.minimumSizeHint();
        EXPECT_TRUE(needed.width() <= shown.width() && needed.height() <= shown.height())
            << pages[page].toStdString() << " needs " << needed.width() << "x" << needed.height() << " in "
            << shown.width() << "x" << shown.height();
    }
    // The keyboard drawn smaller, every key within it.
    ASSERT_GT(window.HeatMap->PartCount(), 60);
    for (int key = 0; key < window.HeatMap->PartCount(); ++key)
        ASSERT_TRUE(window.HeatMap->rect().contains(window.HeatMap->PartRect(key))) << "key " << key;
    const QRect firstKey = window.HeatMap->PartRect(0);
    EXPECT_EQ(window.HeatMap->KeyAt(firstKey.center()), 0) << "pointing finds a key where it is drawn";
}

// What Tab reaches, from the focus on, until it comes back there: the
// controls by their accessible names (a tab bar by its tab widget's).
std::vector<std::string> TabStops(ProgressWindow& window) {
    std::vector<std::string> stops;
    QWidget* first = window.focusWidget();
    for (QWidget* focus = first; focus != nullptr && stops.size() < 20;) {
        QWidget* named = focus;
        while (named->accessibleName().isEmpty() && named->parentWidget() != nullptr)
            named = named->parentWidget();
        stops.push_back(named->accessibleName().isEmpty() ? named->metaObject()->className()
                                                          : named->accessibleName().toStdString());
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
        focus = window.focusWidget();
        if (focus == first) break;
    }
    return stops;
}

// Tab follows the screen: the tabs, what their page shows, then the buttons
// from the left, whenever the charts' module made the charts.
TEST_F(ProgressWindowTest, TabGoesFromThePagesTabsToWhatThePageShowsAndThenAlongTheButtons) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    window.BnExport->setAccessibleName(QStringLiteral("Export"));
    window.BnWeakKeys->setAccessibleName(QStringLiteral("Weak keys"));
    window.BnSlowPairs->setAccessibleName(QStringLiteral("Slow pairs"));
    window.BnClose->setAccessibleName(QStringLiteral("Close"));
    window.show();
    QApplication::processEvents();
    ASSERT_TRUE(window.BnWeakKeys->isEnabled() && window.BnSlowPairs->isEnabled());
    ASSERT_GE(window.ChartPageCount(), 1);
    const std::string chart = window.Charts->widget(0)->accessibleName().toStdString();
    ASSERT_FALSE(chart.empty());

    window.Charts->setCurrentIndex(0);
    window.Charts->setFocus();
    EXPECT_THAT(TabStops(window),
                ::testing::ElementsAre("Charts", chart, "Export", "Weak keys", "Slow pairs", "Close"));

    // The last page, on this small screen: the keyboard of errors per key.
    window.Charts->setCurrentWidget(window.KeyboardBox);
    window.Charts->setFocus();
    const std::vector<std::string> stops = TabStops(window);
    ASSERT_EQ(stops.size(), 6u);
    EXPECT_EQ(stops[0], "Charts");
    EXPECT_EQ(stops[1], window.HeatMap->accessibleName().toStdString());
    EXPECT_EQ(stops[2], "Export");
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

TEST_F(ProgressWindowTest, WithoutPracticeTheButtonsWaitAndSayWhy) {
    ProgressWindow window(history, Setup(), kProgramDir);
    EXPECT_FALSE(window.BnWeakKeys->isEnabled());
    EXPECT_FALSE(window.BnWeakKeys->toolTip().isEmpty());
    EXPECT_FALSE(window.BnSlowPairs->isEnabled());
    EXPECT_FALSE(window.BnSlowPairs->toolTip().isEmpty());
    EXPECT_TRUE(window.BnExport->isEnabled());
    EXPECT_THAT(window.LbSummary->text().toStdString(), HasSubstr("No practice"));
}

TEST_F(ProgressWindowTest, ValueAxesTickOnWholeNumbersWithAndWithoutPractice) {
    {
        ProgressWindow empty(history, Setup(), kProgramDir);
        const std::vector<const QObject*> axes = ValueAxes(empty);
        ASSERT_EQ(axes.size(), 3u) << "one value axis per chart";
        for (const QObject* axis : axes) ExpectWholeNumberTicks(*axis);
    }
    PractiseAWeek();
    ProgressWindow window(history, Setup(), kProgramDir);
    const std::vector<const QObject*> axes = ValueAxes(window);
    ASSERT_EQ(axes.size(), 3u);
    for (const QObject* axis : axes) ExpectWholeNumberTicks(*axis);
}

TEST_F(ProgressWindowTest, WithoutTheChartModuleTheWindowSaysSoAndShowsTheRest) {
    PractiseAWeek();
    ProgressWindow window(history, Setup(), folder.Dir());
    ASSERT_EQ(window.ChartPageCount(), 3);
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
    window.show();
    // On a small screen the keyboard is a page of its own.
    if (window.Charts->indexOf(window.KeyboardBox) >= 0) window.Charts->setCurrentWidget(window.KeyboardBox);
    QApplication::processEvents();
    const QRect rect = window.HeatMap->PartRect(static_cast<int>(q));
    EXPECT_EQ(window.HeatMap->KeyAt(rect.center()), static_cast<int>(q));
    EXPECT_EQ(window.HeatMap->KeyAt(QPoint(-5, -5)), -1);

    const QImage picture = window.HeatMap->grab().toImage();
    const QColor heat = ToQColor(*keyboard.ColorOf(q));
    int heatPixels = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) heatPixels += picture.pixelColor(x, y) == heat;
    EXPECT_GT(heatPixels, rect.width() * rect.height() / 10) << "the key's face shows its colour";
}

// Every practised key's legend reads on its colour (a contrast of 4.5 or
// more between the legend's strongest pixel and the key's face), from green
// to red, and no pixel of the key stands farther from the face than the
// legend does (no light specks of the key picture's corners and shading).
TEST_F(ProgressWindowTest, TheHeatMapsLegendsReadOnEveryKeyColourWithoutStraySpecks) {
    PractiseAWeek();
    const ProgressWindow window(history, Setup(), kProgramDir);
    const KeyHeatMap& keyboard = window.Overview().Keyboard();
    // At the template's size: a smaller map blurs every picture alike.
    KeyHeatMapWidget map;
    map.SetKeyboard(&keyboard);
    map.resize(map.sizeHint());
    const QImage picture = map.grab().toImage();
    const auto colorAt = [&](int x, int y) {
        const QColor pixel = picture.pixelColor(x, y);
        return Rgb(pixel.red(), pixel.green(), pixel.blue());
    };
    int keysRead = 0;
    bool lightInk = false, darkInk = false;
    for (int key = 0; key < map.PartCount(); ++key) {
        const std::optional<TColor> face = keyboard.ColorOf(static_cast<std::size_t>(key));
        if (!face) continue;
        const QRect inside = map.PartRect(key).adjusted(1, 1, -2, -2);  // within the outline
        TColor ink = *face;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                if (ContrastRatio(colorAt(x, y), *face) > ContrastRatio(ink, *face)) ink = colorAt(x, y);
        if (ink == *face) continue;  // a key without a legend: the space bar
        ++keysRead;
        (RelativeLuminance(ink) > RelativeLuminance(*face) ? lightInk : darkInk) = true;
        EXPECT_GE(ContrastRatio(ink, *face), 4.5) << map.PartName(key).toStdString();
        const double low = std::min(RelativeLuminance(ink), RelativeLuminance(*face)) - 0.01;
        const double high = std::max(RelativeLuminance(ink), RelativeLuminance(*face)) + 0.01;
        int specks = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const double light = RelativeLuminance(colorAt(x, y));
                specks += light < low || light > high;
            }
        EXPECT_EQ(specks, 0) << map.PartName(key).toStdString();
    }
    EXPECT_GE(keysRead, 40);
    EXPECT_TRUE(lightInk) << "some key is red enough for a light legend";
    EXPECT_TRUE(darkInk) << "some key is green enough for a dark legend";
}

}  // namespace
}  // namespace zq
