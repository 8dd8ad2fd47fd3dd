// The course drill driving the real on-screen keyboard and hands windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>

#include "drills/CourseLines.h"
#include "drills/DrillFiles.h"
#include "drills/ui/CourseDrillWindow.h"
#include "keyboard/ButtonType.h"
#include "keyboard/FingerSettings.h"
#include "keyboard/GuidanceFixtures.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TemplateArchive.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {
namespace {

constexpr std::int64_t kKeyF = 33, kKeyJ = 36, kKeySpace = 57;

// The keyboard and hands windows as the program makes them, made at once,
// without blinking.
struct SteadyGuidance : GuidanceWindowSet {
    explicit SteadyGuidance(TDataMod& store) : GuidanceWindowSet(store) { Create(false); }
};

class DrillGuidanceWindowTest : public ::testing::Test {
protected:
    DrillGuidanceWindowTest() {
        const std::string glyph = testing::BmpBytes(testing::KeyPicture(36, 36, 0xFFFFFF));
        const std::string path = files.PathOf("layout.zqt");
        testing::WriteZip(path,
                          {{"key.cds", testing::KeyPacket({testing::KeyRow("F", kKeyF, 3, glyph),
                                                           testing::KeyRow("J", kKeyJ, 6, glyph),
                                                           testing::KeyRow("Space", kKeySpace, 4, glyph)})},
                           {"char.cds", testing::CharPacket({testing::CharRow(" ", ' ', kKeySpace),
                                                             testing::CharRow("f", 'f', kKeyF),
                                                             testing::CharRow("j", 'j', kKeyJ)})}});
        guidance.PrepareGuidance(path);
        // The template has no finger settings: the hands get some of their own.
        FingerSettings fingers;
        fingers.Length.fill(40);
        fingers.Color.fill(0x00FF00);
        for (TPalmForm* hand : {&leftHand, &rightHand}) hand->BuildFingers(fingers);
        window.Drill().Practise(lines);
        window.show();
    }

    void Type(char ch) {
        const QChar character = QChar::fromLatin1(ch);
        const int key = ch == ' ' ? int{Qt::Key_Space} : int{character.toUpper().unicode()};
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
        QApplication::sendEvent(window.InputEdit, &press);
    }
    std::int32_t LitKey() const {
        const ButtonType* key = keyboard.Keyboard().CurrentKey();
        return key && key->ShowsHighlightGlyph() ? key->KeyValue : -1;
    }

    testing::DrillFiles files;
    TDataMod store;
    SteadyGuidance guidance{store};
    TVKeyboard& keyboard = *guidance.Keyboard();
    TPalmForm& leftHand = *guidance.LeftHand();
    TPalmForm& rightHand = *guidance.RightHand();
    stopwatch watch;
    CourseLines lines{{"fj f"}, 0};
    CourseDrillWindow window{watch, guidance.Guidance()};
};

TEST_F(DrillGuidanceWindowTest, TheNextKeyIsLitAndItsFingerPointedAtAsTheLearnerTypes) {
    EXPECT_TRUE(keyboard.isVisible());
    EXPECT_TRUE(leftHand.isVisible() && rightHand.isVisible());
    EXPECT_EQ(LitKey(), kKeyF);
    EXPECT_TRUE(leftHand.Fingers().Marked(4)) << "left index finger";

    Type('f');
    EXPECT_EQ(LitKey(), kKeyJ);
    EXPECT_TRUE(rightHand.Fingers().Marked(4)) << "right index finger";
    EXPECT_FALSE(leftHand.Fingers().Marked(4));

    Type('x');  // wrong: the drill moves on to the space all the same
    EXPECT_EQ(LitKey(), kKeySpace);
    EXPECT_TRUE(leftHand.Fingers().Marked(5)) << "left thumb";
    EXPECT_FALSE(rightHand.Fingers().Marked(4));

    window.hide();
    EXPECT_FALSE(keyboard.isVisible() || leftHand.isVisible() || rightHand.isVisible());
}

}  // namespace
}  // namespace zq
