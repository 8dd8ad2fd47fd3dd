// Where the drill windows put the keyboard and hands: in windows of their own
// beside the drill where the program places its windows (X11), inside the
// drill window where the desktop places every window itself (Wayland).
#include "app/ui/DrillWindows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {
namespace {

class DrillWindowsTest : public ::testing::Test {
protected:
    DrillWindowsTest() {
        guidance.Create(false);
        guidance.PrepareGuidance(std::string(ZQ_PROGRAM_DIR) + "/Courses/English/layout.zqt");
    }

    std::vector<QWidget*> Guidance() const {
        return {guidance.Keyboard(), guidance.LeftHand(), guidance.RightHand()};
    }

    TDataMod store;
    QWidget owner;  // the main window
    GuidanceWindowSet guidance{store, &owner};
};

TEST_F(DrillWindowsTest, WhereTheProgramPlacesItsWindowsTheGuidanceKeepsWindowsOfItsOwn) {
    DrillWindows drills(guidance, &owner, "", /*guidanceInside=*/false);
    const std::unique_ptr<DrillWindow> drill = drills.CreateDrill(DrillKind::Course);
    for (QWidget* window : Guidance()) {
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->parentWidget(), &owner);
    }
}

TEST_F(DrillWindowsTest, WhereTheDesktopPlacesTheWindowsEveryGuidedDrillHoldsTheGuidanceInside) {
    DrillWindows drills(guidance, &owner, "", /*guidanceInside=*/true);
    for (const DrillKind kind :
         {DrillKind::Course, DrillKind::Sentence, DrillKind::Free, DrillKind::Adaptive}) {
        std::unique_ptr<DrillWindow> drill = drills.CreateDrill(kind);
        for (QWidget* window : Guidance()) {
            EXPECT_EQ(window->window(), drills.OpenWindow()) << "drill kind " << static_cast<int>(kind);
        }
        drill.reset();
        for (QWidget* window : Guidance()) EXPECT_TRUE(window->isWindow()) << "given back for the next drill";
    }
}

TEST_F(DrillWindowsTest, TheParagraphDrillShowsNoGuidanceSoItHoldsNone) {
    DrillWindows drills(guidance, &owner, "", /*guidanceInside=*/true);
    const std::unique_ptr<DrillWindow> drill = drills.CreateDrill(DrillKind::Paragraph);
    for (QWidget* window : Guidance()) EXPECT_TRUE(window->isWindow());
}

}  // namespace
}  // namespace zq
