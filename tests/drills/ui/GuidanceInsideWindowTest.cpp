// The keyboard and hands windows held inside the drill window, as on a
// desktop that places every window itself (Wayland).
#include "drills/ui/GuidanceInsideWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTextEdit>
#include <algorithm>
#include <memory>

#include "drills/CourseLines.h"
#include "drills/DrillFiles.h"
#include "drills/ui/CourseDrillWindow.h"
#include "keyboard/ButtonType.h"
#include "keyboard/FingerSettings.h"
#include "keyboard/GuidanceFixtures.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TemplateArchive.h"
#include "keyboard/ui/CaptionStrip.h"
#include "keyboard/ui/GuidanceAdapters.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {
namespace {

constexpr std::int64_t kKeyF = 33, kKeyJ = 36;

QRect InWindow(const QWidget& widget, const QWidget& window) {
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

class GuidanceInsideWindowTest : public ::testing::Test {
protected:
    GuidanceInsideWindowTest() {
        const std::string glyph = testing::BmpBytes(testing::KeyPicture(36, 36, 0xFFFFFF));
        const std::string path = files.PathOf("layout.zqt");
        testing::WriteZip(path, {{"key.cds", testing::KeyPacket({testing::KeyRow("F", kKeyF, 3, glyph),
                                                                 testing::KeyRow("J", kKeyJ, 6, glyph)})},
                                 {"char.cds", testing::CharPacket({testing::CharRow("f", 'f', kKeyF),
                                                                   testing::CharRow("j", 'j', kKeyJ)})}});
        keyboard.SetBlinkMode(false);
        keyboard.LoadTemplate(path);
        FingerSettings fingers;
        fingers.Length.fill(40);
        fingers.Color.fill(0x00FF00);
        leftHand.SetLeftHand(true);
        rightHand.SetLeftHand(false);
        for (TPalmForm* hand : {&leftHand, &rightHand}) {
            hand->SetBlinkMode(false);
            hand->BuildFingers(fingers);
        }
        owner.resize(300, 200);
    }

    // A course drill window over the keyboard and hands, practising "fj".
    std::unique_ptr<CourseDrillWindow> DrillWindow() {
        auto window = std::make_unique<CourseDrillWindow>(
            watch, DrillGuidance{&keyboardGuide, &leftGuide, &rightGuide});
        window->Drill().Practise(lines);
        return window;
    }

    void Type(QWidget& input, char ch) {
        const QChar character = QChar::fromLatin1(ch);
        QKeyEvent press(QEvent::KeyPress, character.toUpper().unicode(), Qt::NoModifier, QString(character));
        QApplication::sendEvent(&input, &press);
    }
    std::int32_t LitKey() const {
        const ButtonType* key = keyboard.Keyboard().CurrentKey();
        return key && key->ShowsHighlightGlyph() ? key->KeyValue : -1;
    }

    testing::DrillFiles files;
    TDataMod store;
    QWidget owner;  // the main window the guidance windows belong to
    TVKeyboard keyboard{store, &owner};
    TPalmForm leftHand{store, &owner};
    TPalmForm rightHand{store, &owner};
    KeyboardWindowGuide keyboardGuide{keyboard};
    HandsWindowGuide leftGuide{leftHand};
    HandsWindowGuide rightGuide{rightHand};
    stopwatch watch;
    CourseLines lines{{"fj"}, 0};
};

TEST_F(GuidanceInsideWindowTest, TheKeyboardStandsBelowTheDrillAndTheHandsBesideIt) {
    const int heightAlone = DrillWindow()->sizeHint().height();
    auto window = DrillWindow();
    window->HoldGuidance(keyboard, leftHand, rightHand);
    window->show();

    ASSERT_TRUE(keyboard.isVisible() && leftHand.isVisible() && rightHand.isVisible());
    EXPECT_FALSE(keyboard.isWindow() || leftHand.isWindow() || rightHand.isWindow());
    EXPECT_EQ(keyboard.window(), window.get());
    const QRect keys = InWindow(keyboard, *window);
    const QRect left = InWindow(leftHand, *window);
    const QRect right = InWindow(rightHand, *window);
    EXPECT_GE(keys.top(), InWindow(*window->SBHelp, *window).bottom()) << "below the status bar";
    EXPECT_LE(left.right(), keys.left());
    EXPECT_GE(right.left(), keys.right());
    EXPECT_GE(window->height(), heightAlone + keyboard.height()) << "the window grew by the row";
    EXPECT_TRUE(window->rect().contains(keys) && window->rect().contains(left) &&
                window->rect().contains(right));
}

TEST_F(GuidanceInsideWindowTest, InsideTheyHaveNoFrameOfTheirOwnAndTheDrillMovesNothing) {
    auto window = DrillWindow();
    window->HoldGuidance(keyboard, leftHand, rightHand);
    window->show();
    const QPoint keys = keyboard.pos();

    EXPECT_EQ(keyboardGuide.Frame().width, 0);
    EXPECT_EQ(leftGuide.Frame().width, 0);
    keyboardGuide.MoveTo(700, 700);
    leftGuide.MoveTo(700, 700);
    EXPECT_EQ(keyboard.pos(), keys) << "the row's layout places it";
    EXPECT_NE(leftHand.pos(), QPoint(700, 700));
}

TEST_F(GuidanceInsideWindowTest, TheKeysAndFingersStillFollowTheTyping) {
    auto window = DrillWindow();
    window->HoldGuidance(keyboard, leftHand, rightHand);
    window->show();
    EXPECT_EQ(LitKey(), kKeyF);
    Type(*window->InputEdit, 'f');
    EXPECT_EQ(LitKey(), kKeyJ);
    EXPECT_TRUE(rightHand.Fingers().Marked(4)) << "right index finger";
}

TEST_F(GuidanceInsideWindowTest, EachHandHasItsTitleAboveItWhileItIsShown) {
    auto window = DrillWindow();
    window->HoldGuidance(keyboard, leftHand, rightHand);
    window->show();
    std::vector<QString> shown;
    for (const CaptionStrip* caption : window->findChildren<CaptionStrip*>()) {
        if (caption->isVisible()) shown.push_back(caption->ShownTitle());
    }
    EXPECT_EQ(shown, (std::vector<QString>{leftHand.windowTitle(), rightHand.windowTitle()}));
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    EXPECT_EQ(std::count_if(labels.begin(), labels.end(),
                            [&](const QLabel* label) { return label->text() == leftHand.windowTitle(); }),
              0)
        << "a hand's title only once, in its own caption";

    rightHand.hide();
    int rightTitles = 0;
    for (const CaptionStrip* caption : window->findChildren<CaptionStrip*>())
        rightTitles += caption->isVisible() && caption->ShownTitle() == rightHand.windowTitle();
    EXPECT_EQ(rightTitles, 0) << "a hand that is not shown has no title either";
}

TEST_F(GuidanceInsideWindowTest, WhenTheDrillWindowGoesTheyAreWindowsOfTheirOwnerAgain) {
    const Qt::WindowFlags keyboardFlags = keyboard.windowFlags();
    const Qt::WindowFlags handFlags = leftHand.windowFlags();
    const QSize keyboardSize = keyboard.size();
    const QSize keyboardMaximum = keyboard.maximumSize();
    auto window = DrillWindow();
    window->HoldGuidance(keyboard, leftHand, rightHand);
    window->show();
    window.reset();

    for (QWidget* guidance : std::initializer_list<QWidget*>{&keyboard, &leftHand, &rightHand}) {
        EXPECT_TRUE(guidance->isWindow());
        EXPECT_FALSE(guidance->isVisible());
        EXPECT_EQ(guidance->parentWidget(), &owner);
        EXPECT_FALSE(guidance->sizePolicy().retainSizeWhenHidden());
    }
    EXPECT_EQ(keyboard.windowFlags(), keyboardFlags);
    EXPECT_EQ(leftHand.windowFlags(), handFlags);
    EXPECT_EQ(keyboard.size(), keyboardSize);
    EXPECT_EQ(keyboard.maximumSize(), keyboardMaximum) << "the size limits it had as a window of its own";

    auto next = DrillWindow();  // the next drill holds them again
    next->HoldGuidance(keyboard, leftHand, rightHand);
    next->show();
    EXPECT_EQ(keyboard.window(), next.get());
    EXPECT_TRUE(keyboard.isVisible());
}

}  // namespace
}  // namespace zq
