// The adaptive drill's window on Qt's offscreen platform: the row of keys
// in play above the sample, and what the last line changed beside it.
#include "drills/ui/AdaptiveDrillWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTextEdit>

#include "drills/DrillFakes.h"
#include "drills/ui/KeyCapRow.h"

namespace zq {
namespace {

// Keys with the progress and focus the test gives them.
class GivenKeys : public LineSource {
public:
    std::optional<std::string> Line() const override { return std::string("fj dk"); }
    LineStep LineEnded(const LineEnd&) override { return {}; }
    KeysInPlay Keys() const override { return keys; }
    KeysInPlay keys;
};

class AdaptiveDrillWindowTest : public ::testing::Test {
protected:
    testing::FakeClock clock;
    stopwatch watch{clock.Function()};
    AdaptiveDrillWindow window{watch};
    GivenKeys source;
};

TEST_F(AdaptiveDrillWindowTest, TheKeysInPlayStandAboveTheSampleWithTheLastChangeBesideThem) {
    source.keys = {{{"f", 100, false}, {"j", 60, false}, {"d", 0, true}}, "New key: d"};
    window.Drill().Practise(source);
    window.show();
    QApplication::processEvents();

    EXPECT_EQ(window.windowTitle(), "Adaptive Drill");
    ASSERT_EQ(window.KeyCaps->Keys().size(), 3u);
    EXPECT_EQ(window.KeyCaps->Keys()[2].caption, "d");
    EXPECT_TRUE(window.KeyCaps->Keys()[2].focus);
    EXPECT_EQ(window.LbChange->text(), "New key: d");
    EXPECT_LT(window.KeyCaps->mapTo(&window, QPoint(0, 0)).y(),
              window.SampleEdit->mapTo(&window, QPoint(0, 0)).y())
        << "the keys are seen before the line";
    EXPECT_EQ(window.KeyCaps->accessibleDescription(), "f: 100 %, j: 60 %, d: 0 %");
    window.hide();
}

TEST_F(AdaptiveDrillWindowTest, CapsGoFromRedThroughYellowAndAKeyAtTheTargetIsFullGreen) {
    EXPECT_EQ(KeyCapRow::ProgressColor(0).hue(), 0);
    EXPECT_EQ(KeyCapRow::ProgressColor(66).hue(), 59);
    EXPECT_EQ(KeyCapRow::ProgressColor(99).hue(), 89) << "short of the target: yellowish";
    EXPECT_EQ(KeyCapRow::ProgressColor(100).hue(), 120);

    source.keys = {{{"f", 100, false}, {"d", 0, true}}, ""};
    window.Drill().Practise(source);
    window.show();
    QApplication::processEvents();
    const QImage row = window.KeyCaps->grab().toImage();
    const int middle = row.height() / 2;
    const int side = row.height();
    EXPECT_EQ(row.pixelColor(side / 4, middle).hue(), 120) << "f, at its target";
    EXPECT_EQ(row.pixelColor(side + 4 + side / 4, middle).hue(), 0) << "d, just begun";
    EXPECT_EQ(window.LbChange->text(), "");
    window.hide();
}

TEST_F(AdaptiveDrillWindowTest, ManyKeysWrapOntoMoreRows) {
    KeyCapRow row;
    std::vector<KeyInPlay> keys;
    for (char ch = '!'; ch < '!' + 60; ++ch) keys.push_back({std::string(1, ch), 50, false});
    row.SetKeys({keys.begin(), keys.begin() + 4});
    const int oneRow = row.heightForWidth(600);
    row.SetKeys(keys);
    EXPECT_GE(row.heightForWidth(600), 2 * oneRow);
    EXPECT_EQ(row.heightForWidth(100000), oneRow);
}

}  // namespace
}  // namespace zq
