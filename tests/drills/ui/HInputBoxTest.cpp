#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "base/CodePage.h"
#include "drills/ui/THInputBox.h"

namespace zq {
namespace {

void Type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

void PressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Runs `act` on the number box once it is open, then reports whether the box
// was freed after it closed.
struct BoxRun {
    bool answered = false;
    QString value;
    QPointer<THInputBox> box;
    QString caption;
    QString prompt;
    bool cancelVisible = true;
};

BoxRun Ask(const QString& caption, const QString& prompt, const QString& value,
           const std::function<void(THInputBox&)>& act) {
    BoxRun run;
    run.value = value;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<THInputBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        run.box = box;
        run.caption = box->windowTitle();
        run.prompt = box->LbHint->text();
        run.cancelVisible = box->BnCancel->isVisible();
        act(*box);
    });
    run.answered = ShowHInputBox(caption, prompt, run.value);
    return run;
}

TEST(HInputBoxTest, EditTakesDigitsOnlyAndEnterAnswersOk) {
    const BoxRun run = Ask("Input Box", "Set difficulty (1-10).", "3", [](THInputBox& box) {
        EXPECT_EQ(box.NumberEd->text(), "3");
        EXPECT_EQ(box.focusWidget(), box.NumberEd);
        // The value is selected when the box opens: typing replaces it.
        Type(box.NumberEd, "a1-b.2 x");
        EXPECT_EQ(box.NumberEd->text(), "12");
        box.NumberEd->end(false);
        Type(box.NumberEd, "+7e");
        EXPECT_EQ(box.NumberEd->text(), "127");
        PressKey(box.NumberEd, Qt::Key_Return);
    });
    EXPECT_TRUE(run.answered);
    EXPECT_EQ(run.value, "127");
    EXPECT_FALSE(run.cancelVisible);
    EXPECT_TRUE(run.box.isNull()) << "the dialog frees itself when it closes";
}

TEST(HInputBoxTest, CloseBoxAnswersCancelWithWhatTheEditHeld) {
    const BoxRun run = Ask("Input Box", "Set difficulty (1-10).", "3", [](THInputBox& box) {
        Type(box.NumberEd, "17");
        box.close();
    });
    EXPECT_FALSE(run.answered);
    EXPECT_EQ(run.value, "17");
    EXPECT_TRUE(run.box.isNull());
}

// The game asks for its difficulty from a window in a typewriter face.
TEST(HInputBoxTest, TheBoxUsesTheProgramsFontWhateverWindowAsks) {
    QWidget asking;
    QFont typewriter(QStringLiteral("Courier New"));
    typewriter.setPixelSize(11);
    asking.setFont(typewriter);
    auto* box = new THInputBox(&asking);
    const QFont program = QApplication::font();
    for (const QWidget* part : std::initializer_list<const QWidget*>{box->LbHint, box->NumberEd, box->BnOK}) {
        SCOPED_TRACE(part->objectName().toStdString());
        EXPECT_EQ(part->font().family(), program.family());
        EXPECT_EQ(part->font().pointSizeF(), program.pointSizeF());
    }
}

TEST(HInputBoxTest, PromptKeepsUnicodeWhileCaptionAndValueLoseWhatTheCodePageLacks) {
    const int saved = SystemCodePage();
    SetSystemCodePage(1252);
    const QString snowman = QString::fromUtf8("\xE2\x98\x83");
    const BoxRun run = Ask("Box " + snowman + QString::fromUtf8(" \xC3\xA9"), "Prompt " + snowman,
                           "4" + snowman, [](THInputBox& box) { box.BnOK->click(); });
    SetSystemCodePage(saved);
    EXPECT_TRUE(run.answered);
    EXPECT_EQ(run.caption, QString::fromUtf8("Box ? \xC3\xA9"));
    EXPECT_EQ(run.prompt, "Prompt " + snowman);
    EXPECT_EQ(run.value, "4?");
}

}  // namespace
}  // namespace zq
