#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "drills/DrillFakes.h"
#include "drills/ui/ParagraphDrillWindow.h"

namespace zq {
namespace {

class ParagraphDrillWindowTest : public ::testing::Test {
protected:
    ParagraphDrillWindowTest() {
        window.show();
        QApplication::processEvents();
    }

    void Paste(const QString& text) {
        QApplication::clipboard()->setText(text);
        window.BnPaste->click();
    }
    void Key(int key, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(window.InputEdit, &press);
    }
    void Type(const QString& text) {
        for (const QChar ch : text) Key(ch.toUpper().unicode(), QString(ch));
    }
    void Enter() { Key(Qt::Key_Return, QStringLiteral("\r")); }
    QString Input() const { return window.InputEdit->toPlainText(); }
    QString Status() const { return window.SBHelp->findChild<QLabel*>()->text(); }
    // Time passes: typing at a person's pace, so no speed warning interrupts.
    void Wait(std::int64_t milliseconds) { world.clock.now += milliseconds; }

    testing::DrillSurroundings world;
    ParagraphDrillWindow window;
};

TEST_F(ParagraphDrillWindowTest, ReturnIndicatorAsksForEnterAtTheEndOfEachTextLine) {
    Paste(QStringLiteral("ab\ncd\nef"));
    EXPECT_TRUE(window.BnShowReturn->isHidden());
    EXPECT_FALSE(window.InputEdit->isReadOnly());

    Type(QStringLiteral("ab"));
    EXPECT_TRUE(window.BnShowReturn->isVisible());
    EXPECT_EQ(window.BnShowReturn->text(), "#");
    Enter();
    EXPECT_TRUE(window.BnShowReturn->isHidden());
    EXPECT_EQ(Input(), "ab\n");
    EXPECT_EQ(window.HighlightedSamplePosition(), 3) << "c, after one line break of the document";

    Type(QStringLiteral("cd"));
    EXPECT_TRUE(window.BnShowReturn->isVisible());
    Type(QStringLiteral(" "));  // taken as the line break; the indicator waits for the next key
    EXPECT_EQ(Input(), "ab\ncd\n");
    EXPECT_TRUE(window.BnShowReturn->isVisible());
    Type(QStringLiteral("e"));
    EXPECT_TRUE(window.BnShowReturn->isHidden());
    EXPECT_EQ(window.HighlightedSamplePosition(), 7);
}

TEST_F(ParagraphDrillWindowTest, InputIsReadOnlyAfterTheEndAndFurtherKeysChangeNothing) {
    Paste(QStringLiteral("Hi you"));
    Type(QStringLiteral("Hi yoo"));
    Wait(3000);
    Type(QStringLiteral("!"));
    EXPECT_TRUE(window.InputEdit->isReadOnly());
    EXPECT_TRUE(Status().startsWith("Keys/Min: ")) << Status().toStdString();
    EXPECT_TRUE(Status().contains("Accuracy: 83%")) << Status().toStdString();
    const QString typed = Input();
    const std::int32_t time = window.PracticeTime();

    window.SBHelp->findChild<QLabel*>()->clear();
    Type(QStringLiteral("more"));
    Enter();
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(window.InputEdit, &composed);
    EXPECT_EQ(Input(), typed);
    EXPECT_EQ(window.PracticeTime(), time);
    EXPECT_TRUE(Status().isEmpty()) << "no second statistics";
    EXPECT_TRUE(window.isVisible());

    window.BnRestart->click();
    EXPECT_FALSE(window.InputEdit->isReadOnly());
    EXPECT_TRUE(Input().isEmpty());
    Type(QStringLiteral("H"));
    EXPECT_EQ(Input(), "H");
}

TEST_F(ParagraphDrillWindowTest, TextTakesTheDrillFontAndLeavesNoOldColoursBehind) {
    Paste(QStringLiteral("one\ntwo"));
    Type(QStringLiteral("onx"));
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(20);
    window.SetDrillFont(font, QColor(0, 128, 0));
    Paste(QStringLiteral("three\nfour"));
    for (QTextEdit* box : {window.SampleEdit, window.InputEdit}) {
        EXPECT_EQ(box->font().pixelSize(), 20);
    }
    QTextCursor cursor(window.SampleEdit->document());
    cursor.setPosition(8);  // in the second line
    EXPECT_EQ(cursor.charFormat().font().pixelSize(), 20);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 128, 0));
    Type(QStringLiteral("t"));
    QTextCursor typed(window.InputEdit->document());
    typed.setPosition(1);
    EXPECT_EQ(typed.charFormat().font().pixelSize(), 20);
    EXPECT_EQ(typed.charFormat().foreground().color(), QColor(0, 0, 128)) << "navy: right";
}

TEST_F(ParagraphDrillWindowTest, KeyBeforeAnyTextMakesTheInputReadOnlyUntilATextArrives) {
    Type(QStringLiteral("x"));
    EXPECT_TRUE(Input().isEmpty());
    EXPECT_TRUE(window.InputEdit->isReadOnly());
    Paste(QStringLiteral("x"));
    EXPECT_FALSE(window.InputEdit->isReadOnly());
    EXPECT_EQ(window.SampleEdit->toPlainText(), "x");
}

}  // namespace
}  // namespace zq
