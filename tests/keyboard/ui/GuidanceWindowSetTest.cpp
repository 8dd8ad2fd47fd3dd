// The keyboard and hands windows as one set: made, prepared from a template
// and driven as a drill drives them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "keyboard/GuidanceFixtures.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TemplateArchive.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using testing::CharTableRow;
using testing::KeyTableRow;
using testing::TestKey;

constexpr int kLeftIndex = 3, kRightIndex = 6;

class GuidanceWindowSetTest : public ::testing::Test {
protected:
    GuidanceWindowSetTest() {
        // "f" under the left index finger, "j" under the right one; both
        // index fingers have a length, so both hands have something to show.
        const TestKey f{.name = "F", .keyValue = 33, .finger = kLeftIndex, .x = 0};
        const TestKey j{.name = "J", .keyValue = 36, .finger = kRightIndex, .x = 40};
        testing::WriteZip(
            layout,
            {{"key.cds", testing::KeyPacket({KeyTableRow(f), KeyTableRow(j)})},
             {"char.cds", testing::CharPacket({CharTableRow('f', 33), CharTableRow('j', 36)})},
             {"readme", "bkcolor=$00C000\nLIndex=50\nLIndexColor=255\nRIndex=50\nRIndexColor=65280\n"}});
    }

    test::TempFolder folder;
    std::string layout = (folder / "layout.zqt").string();
    TDataMod store;
    GuidanceWindowSet windows{store};
};

TEST_F(GuidanceWindowSetTest, NoWindowsAndNothingToDriveBeforeTheyAreMade) {
    EXPECT_EQ(windows.Keyboard(), nullptr);
    EXPECT_EQ(windows.LeftHand(), nullptr);
    EXPECT_EQ(windows.RightHand(), nullptr);
    const DrillGuidance guidance = windows.Guidance();
    EXPECT_EQ(guidance.keyboard, nullptr);
    EXPECT_EQ(guidance.leftHand, nullptr);
    EXPECT_EQ(guidance.rightHand, nullptr);
}

TEST_F(GuidanceWindowSetTest, MadeWindowsAreALeftAndARightHandBlinkingAsAsked) {
    windows.Create(true);
    EXPECT_TRUE(windows.LeftHand()->IsLeft());
    EXPECT_FALSE(windows.RightHand()->IsLeft());
    EXPECT_TRUE(windows.Keyboard()->BlinkMode());
    EXPECT_TRUE(windows.LeftHand()->BlinkMode());
    EXPECT_TRUE(windows.RightHand()->BlinkMode());

    GuidanceWindowSet steady(store);
    steady.Create(false);
    EXPECT_FALSE(steady.Keyboard()->BlinkMode());
    EXPECT_FALSE(steady.LeftHand()->BlinkMode());
    EXPECT_FALSE(steady.RightHand()->BlinkMode());
}

TEST_F(GuidanceWindowSetTest, PreparedWindowsLightTheKeyAndPointTheHandThatTypesIt) {
    windows.Create(false);
    ASSERT_TRUE(windows.PrepareGuidance(layout));
    EXPECT_EQ(windows.Keyboard()->Keyboard().KbFrame().Keys().size(), 2u);
    EXPECT_FALSE(windows.LeftHand()->Fingers().NoFingers());
    EXPECT_FALSE(windows.RightHand()->Fingers().NoFingers());

    const DrillGuidance guidance = windows.Guidance();
    ASSERT_NE(guidance.keyboard, nullptr);
    const int finger = guidance.keyboard->HighlightKey('j');
    EXPECT_EQ(finger, kRightIndex);
    // A pointed finger runs its hand's blink timer until it is cleared.
    PointHandsAt(guidance, finger);
    EXPECT_EQ(windows.RightHand()->Fingers().CurrentFinger(), 4);  // slots: little 1 .. thumb 5
    EXPECT_TRUE(windows.RightHand()->BlinkTimerActive());
    EXPECT_FALSE(windows.LeftHand()->BlinkTimerActive());

    PointHandsAt(guidance, guidance.keyboard->HighlightKey('f'));
    EXPECT_EQ(windows.LeftHand()->Fingers().CurrentFinger(), 4);
    EXPECT_TRUE(windows.LeftHand()->BlinkTimerActive());
    EXPECT_FALSE(windows.RightHand()->BlinkTimerActive());
}

TEST_F(GuidanceWindowSetTest, ATemplateThatCannotBeReadLeavesTheWindowsEmpty) {
    windows.Create(false);
    EXPECT_FALSE(windows.PrepareGuidance((folder / "missing.zqt").string()));
    EXPECT_TRUE(windows.Keyboard()->Keyboard().KbFrame().Keys().empty());
    EXPECT_TRUE(windows.LeftHand()->Fingers().NoFingers());
    windows.LeftHand()->ShowHands();
    EXPECT_FALSE(windows.LeftHand()->isVisible());
}

TEST_F(GuidanceWindowSetTest, ShowingModifiersReachesTheKeyboardOnceMade) {
    windows.SetShowModifiers(true);  // before the windows exist: nothing to tell
    windows.Create(false);
    EXPECT_FALSE(windows.Keyboard()->ShowModifiers());
    windows.SetShowModifiers(true);
    EXPECT_TRUE(windows.Keyboard()->ShowModifiers());
}

// Large print: the palette the main window hands over with Easy reading.
const ContrastPalette kContrast{.background = Rgb(0, 0, 0),
                                .text = Rgb(255, 255, 255),
                                .wrongText = Rgb(255, 128, 128),
                                .highlightBackground = Rgb(255, 255, 0),
                                .highlightText = Rgb(0, 0, 0)};

int PixelsOf(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) | 0xFF000000) == color;
    }
    return count;
}

TEST_F(GuidanceWindowSetTest, ALargeLookDrawsBothHandsLargerInTheContrastPalette) {
    // Middle fingers as long as the index fingers: the hands are tall
    // enough to show the mark above the index finger.
    const TestKey f{.name = "F", .keyValue = 33, .finger = kLeftIndex, .x = 0};
    const TestKey j{.name = "J", .keyValue = 36, .finger = kRightIndex, .x = 40};
    testing::WriteZip(layout,
                      {{"key.cds", testing::KeyPacket({KeyTableRow(f), KeyTableRow(j)})},
                       {"char.cds", testing::CharPacket({CharTableRow('f', 33), CharTableRow('j', 36)})},
                       {"readme",
                        "bkcolor=$00C000\nLIndex=50\nLIndexColor=255\nLMiddle=50\n"
                        "RIndex=50\nRIndexColor=65280\nRMiddle=50\n"}});
    windows.Create(false);
    ASSERT_TRUE(windows.PrepareGuidance(layout));
    TPalmForm& left = *windows.LeftHand();
    const QSize plain = left.HandArea().size();
    const QRect plainFinger = left.PartRect(3);  // the index finger, from its mark to its base
    PointHandsAt(windows.Guidance(), kLeftIndex);
    EXPECT_GT(PixelsOf(left.grab().toImage(), qRgb(255, 0, 0)), 0) << "the template's red index finger";

    windows.SetLook(1.5, kContrast);
    EXPECT_EQ(left.width(), qRound(plain.width() * 1.5));
    EXPECT_EQ(left.HandArea().height(), qRound(plain.height() * 1.5)) << "the hand, below its caption";
    EXPECT_EQ(windows.RightHand()->width(), left.width());
    PointHandsAt(windows.Guidance(), kLeftIndex);
    const QImage shown = left.grab().toImage();
    EXPECT_EQ(PixelsOf(shown, qRgb(255, 0, 0)), 0) << "no template colour is left";
    EXPECT_GT(PixelsOf(shown, qRgb(255, 255, 255)), 0) << "the finger in the palette's text colour";
    EXPECT_GT(PixelsOf(shown, qRgb(255, 255, 0)), 0) << "the mark of the finger to use in its highlight";
    EXPECT_GE(left.PartRect(3).height(), plainFinger.height() * 1.4)
        << "where a reader finds the finger grows with the window";

    windows.SetLook(1, std::nullopt);
    EXPECT_EQ(left.HandArea().size(), plain);
    PointHandsAt(windows.Guidance(), kLeftIndex);
    EXPECT_GT(PixelsOf(left.grab().toImage(), qRgb(255, 0, 0)), 0) << "the template's colours come back";
}

TEST_F(GuidanceWindowSetTest, ALookBeforeTheWindowsAreMadeChangesNothing) {
    windows.SetLook(1.5, kContrast);
    EXPECT_EQ(windows.Keyboard(), nullptr);
}

}  // namespace
}  // namespace zq
