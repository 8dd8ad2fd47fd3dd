// The drill windows on Qt's offscreen platform, driven by key and input
// method events as a person's typing delivers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "base/CodePage.h"
#include "base/TextFile.h"
#include "base/ui/Colors.h"
#include "drills/CourseLines.h"
#include "drills/DrillFakes.h"
#include "drills/DrillFiles.h"
#include "drills/ui/CourseDrillWindow.h"
#include "drills/ui/LinePracticeWindow.h"

namespace zq {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

// A line drill whose sample the test sets.
class ScriptedDrill : public TFmLinePractice {
public:
    using TFmLinePractice::SetEnterEndsLine;
    using TFmLinePractice::TFmLinePractice;
    void SetLine(std::string text) {
        SetSample(std::move(text));
        SetUpLine();
        ResetEdits();
    }
};

class ScriptedWindow : public LinePracticeWindow {
public:
    ScriptedWindow(stopwatch& watch, DrillGuidance guidance) {
        AttachDrill(std::make_unique<ScriptedDrill>(*this, watch, guidance));
    }
    ScriptedDrill& Scripted() { return static_cast<ScriptedDrill&>(Drill()); }
};

void PressKey(QWidget* target, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void TypeText(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        const int key = ch == u' ' ? int{Qt::Key_Space} : int{ch.toUpper().unicode()};
        PressKey(target, key, QString(ch));
    }
}

// The colour of the typed character at `index` of the input box.
QColor ColorAt(QTextEdit* box, int index) {
    QTextCursor cursor(box->document());
    cursor.setPosition(index + 1);  // the format of the character before the cursor
    return cursor.charFormat().foreground().color();
}

class CourseWindowTest : public ::testing::Test {
protected:
    void Open(std::string_view course, std::int32_t position = 0) {
        lines = std::make_unique<CourseLines>(ReadTextLines(files.Write("course.txt", course)), position);
        window.Drill().Practise(*lines);
        window.show();
    }

    testing::DrillSurroundings world;
    testing::DrillFiles files;
    std::unique_ptr<CourseLines> lines;
    CourseDrillWindow window{world.watch, world.Guidance()};
};

TEST_F(CourseWindowTest, TypedCharactersTakeTheRightAndWrongColors) {
    Open("fjdk\nlast\n");
    EXPECT_EQ(window.windowTitle(), "Course");
    EXPECT_EQ(window.PositionLb->text(), "1 / 2");
    TypeText(window.InputEdit, "fxd");
    EXPECT_EQ(window.InputEdit->toPlainText(), "fxd");
    EXPECT_EQ(ColorAt(window.InputEdit, 0), kNavy);
    EXPECT_EQ(ColorAt(window.InputEdit, 1), kRed);
    EXPECT_EQ(ColorAt(window.InputEdit, 2), kNavy);
    EXPECT_TRUE(window.LbMark->isVisible());

    PressKey(window.InputEdit, Qt::Key_Backspace);
    EXPECT_EQ(window.InputEdit->toPlainText(), "fx");
    PressKey(window.InputEdit, Qt::Key_Right);  // the next line, from its start
    EXPECT_EQ(window.PositionLb->text(), "2 / 2");
    EXPECT_EQ(window.InputEdit->toPlainText(), "");
    EXPECT_FALSE(window.LbMark->isVisible());
}

TEST_F(CourseWindowTest, ShortcutsTypeNothingAndKeyReleasesAreIgnored) {
    Open("abc\n");
    PressKey(window.InputEdit, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    PressKey(window.InputEdit, Qt::Key_Shift);
    EXPECT_EQ(window.InputEdit->toPlainText(), "");
    EXPECT_EQ(window.CourseDrill().Pos(), 1);
}

TEST_F(CourseWindowTest, EscapeClosesTheWindowAndKeepsThePracticeTime) {
    Open("abcdef\n");
    TypeText(window.InputEdit, "ab");
    world.clock.now += 1500;
    PressKey(window.InputEdit, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(window.PracticeTime(), 1500);
    EXPECT_EQ(window.CourseDrill().Position(), 0);
}

TEST_F(CourseWindowTest, AComposedCharacterFromTheInputMethodIsOneCharacter) {
    Open("\xc3\xa9t\xc3\xa9\n");  // "été", a UTF-8 course file
    QInputMethodEvent preedit(QStringLiteral("\u00b4"), {});
    QApplication::sendEvent(window.InputEdit, &preedit);
    EXPECT_EQ(window.InputEdit->toPlainText(), "") << "pre-edit text is never shown";

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u00e9"));
    QApplication::sendEvent(window.InputEdit, &commit);
    EXPECT_EQ(window.InputEdit->toPlainText(), QStringLiteral("\u00e9"));
    EXPECT_EQ(ColorAt(window.InputEdit, 0), kNavy);
    EXPECT_EQ(window.CourseDrill().Pos(), 2);
}

TEST_F(CourseWindowTest, ACharacterTheCodePageCannotHoldIsWrong) {
    Open("abc\n");
    PressKey(window.InputEdit, 0, QStringLiteral("\u0436"));
    EXPECT_EQ(window.InputEdit->toPlainText(), QStringLiteral("\u0436"));
    EXPECT_EQ(ColorAt(window.InputEdit, 0), kRed);
    EXPECT_EQ(window.CourseDrill().Pos(), 2);
    EXPECT_FALSE(window.CourseDrill().Marks()[1]);
}

// A course's letters are shown, typed and lit in the course's code page,
// whatever the code page of the windows.
TEST_F(CourseWindowTest, ARussianCourseUnderEnglishWindowsShowsAndTakesItsLetters) {
    const CodePageInForce english(1252);
    const std::string path = files.Write("course.txt", "\xD0\xB4\xD0\xBE\xD0\xBC\n");  // "дом", UTF-8
    lines = std::make_unique<CourseLines>(ReadTextLines(path, 1251), 0);
    window.Drill().SetTextCodePage(1251);
    window.Drill().Practise(*lines);
    window.show();
    EXPECT_EQ(window.SampleEdit->toPlainText(), QStringLiteral("\u0434\u043e\u043c"));
    EXPECT_EQ(window.Drill().Sample(), "\xE4\xEE\xEC") << "the bytes of code page 1251";
    EXPECT_EQ(world.keyboard.highlighted.back(), 0xE4) << "the key of д lit";

    PressKey(window.InputEdit, 0, QStringLiteral("\u0434"));
    PressKey(window.InputEdit, 0, QStringLiteral("\u00EE"));  // î: 0xEE in code page 1252, not о
    EXPECT_EQ(window.InputEdit->toPlainText(), QStringLiteral("\u0434\u00EE"));
    EXPECT_EQ(ColorAt(window.InputEdit, 0), kNavy);
    EXPECT_EQ(ColorAt(window.InputEdit, 1), kRed);
    EXPECT_EQ(window.SampleText(), "\xE4\xEE\xEC");
}

TEST_F(CourseWindowTest, APolishCourseUnderGermanWindowsTakesItsLetters) {
    const CodePageInForce german(1252);
    const std::string path = files.Write("course.txt",
                                         "\xC5\x82\xC3\xB3"
                                         "d\xC5\xBA\n");  // "łódź", UTF-8
    lines = std::make_unique<CourseLines>(ReadTextLines(path, 1250), 0);
    window.Drill().SetTextCodePage(1250);
    window.Drill().Practise(*lines);
    window.show();
    EXPECT_EQ(window.Drill().Sample(),
              "\xB3\xF3"
              "d\x9F");
    EXPECT_EQ(window.SampleEdit->toPlainText(), QStringLiteral("\u0142\u00f3d\u017a"));
    for (const QString& letter :
         {QStringLiteral("\u0142"), QStringLiteral("\u00f3"), QStringLiteral("d"), QStringLiteral("\u017a")})
        PressKey(window.InputEdit, 0, letter);
    EXPECT_EQ(window.CourseDrill().Errors(), 0);
    EXPECT_EQ(window.CourseDrill().Pos(), 5);
}

// A large scale factor on a small screen leaves a narrow window: the label
// moves left as far as it must to show whole.
TEST_F(CourseWindowTest, ThePositionLabelShowsWholeInANarrowWindow) {
    std::string course;
    for (int line = 0; line < 197; ++line) course += "fjfj\n";
    Open(course, 2);
    ASSERT_EQ(window.PositionLb->text(), "3 / 197");
    for (const int width : {900, 560, 520}) {
        SCOPED_TRACE(width);
        window.resize(width, window.height());
        QApplication::processEvents();
        const QRect label = window.PositionLb->geometry();
        const QWidget* row = window.PositionLb->parentWidget();
        EXPECT_GE(label.width(), window.PositionLb->sizeHint().width());
        EXPECT_GE(label.left(), 0);
        EXPECT_LT(label.right(), window.NextLineBn->x()) << "the label runs under the line buttons";
        EXPECT_LT(window.NextLineBn->x() + 2 * window.NextLineBn->width(), row->width() + 1);
        EXPECT_GT(window.NextLineBn->x(), row->width() / 2) << "the buttons left the row's right edge";
    }
}

TEST_F(CourseWindowTest, ThePositionLabelAndMarkerContrastWithThePanel) {
    window.SetDrillColor(8421504);
    Open("one\ntwo\nthree\n", 1);
    EXPECT_EQ(window.PositionLb->text(), "2 / 3");
    const QColor contrast(42, 42, 42);
    EXPECT_EQ(window.PositionLb->palette().color(QPalette::WindowText), contrast);
    EXPECT_EQ(window.LbMark->palette().color(QPalette::WindowText), contrast);
    EXPECT_FALSE(window.PreviousLineBn->isVisible());
    EXPECT_FALSE(window.NextLineBn->isVisible());
}

// What Easy reading makes of a drill window: large print in a contrast
// palette, as the main window hands them over.
TEST_F(CourseWindowTest, LargePrintInAContrastPaletteColoursTheBoxesAndTheNextCharacter) {
    const ContrastPalette palette{.background = Rgb(0, 0, 0),
                                  .text = Rgb(255, 255, 255),
                                  .wrongText = Rgb(255, 128, 128),
                                  .highlightBackground = Rgb(255, 255, 0),
                                  .highlightText = Rgb(0, 0, 0)};
    QFont large(QStringLiteral("DejaVu Sans Mono"));
    large.setPointSize(24);
    window.SetDrillFont(large, ToQColor(palette.text));
    window.SetContrastPalette(palette);
    window.SetDrillColor(palette.background);
    window.Drill().SetTypedColors(palette.text, palette.wrongText);
    window.Drill().SetHighLight(true);
    Open("fjdk\nlast\n");

    EXPECT_GE(window.SampleEdit->font().pointSize(), 24);
    EXPECT_GE(window.InputEdit->font().pointSize(), 24);
    EXPECT_GE(window.SampleEdit->height(), 2 * QFontMetrics(window.SampleEdit->font()).lineSpacing())
        << "two lines of large print stay in view";
    for (QTextEdit* box : {window.SampleEdit, window.InputEdit}) {
        EXPECT_EQ(box->palette().color(QPalette::Base), ToQColor(palette.background));
        EXPECT_EQ(box->palette().color(QPalette::Text), ToQColor(palette.text));
    }
    EXPECT_EQ(window.ContentPanel->palette().color(QPalette::Window), ToQColor(palette.background));
    EXPECT_EQ(window.SBHelp->palette().color(QPalette::WindowText), ToQColor(palette.text));

    TypeText(window.InputEdit, "f");
    const QList<QTextEdit::ExtraSelection> next = window.SampleEdit->extraSelections();
    ASSERT_EQ(next.size(), 1) << "the next character is highlighted";
    EXPECT_EQ(next[0].format.background().color(), ToQColor(palette.highlightBackground));
    EXPECT_EQ(next[0].format.foreground().color(), ToQColor(palette.highlightText));

    TypeText(window.InputEdit, "x");
    EXPECT_EQ(ColorAt(window.InputEdit, 0), ToQColor(palette.text));
    EXPECT_EQ(ColorAt(window.InputEdit, 1), ToQColor(palette.wrongText));
}

// The window arranges itself with the desktop's font and gets the drill's
// font afterwards: two lines of a tall font (OpenDyslexic in Easy reading)
// make the boxes grow, and the window grows with them, so that no box
// is laid over another.
TEST_F(CourseWindowTest, TwoLinesOfATallDrillFontGrowTheWindowInsteadOfOverlappingTheBoxes) {
    const int heightBefore = window.height();
    QFont tall(QStringLiteral("OpenDyslexic"));
    tall.setPointSize(24);
    window.SetDrillFont(tall, Qt::black);
    Open("qwerty qwerty qwerty qwerty qwerty qwerty qwerty qwerty qwerty qwerty\n");
    QApplication::processEvents();
    const int twoLines = 2 * QFontMetrics(tall).lineSpacing();
    EXPECT_GE(window.SampleEdit->height(), twoLines);
    const QRect sample(window.SampleEdit->mapTo(&window, QPoint()), window.SampleEdit->size());
    const QRect input(window.InputEdit->mapTo(&window, QPoint()), window.InputEdit->size());
    const QRect status(window.SBHelp->mapTo(&window, QPoint()), window.SBHelp->size());
    EXPECT_GT(input.top(), sample.bottom()) << "the typing box lies over the text to type";
    EXPECT_LE(status.bottom(), window.height()) << "the status bar is cut";
    EXPECT_GT(window.height(), heightBefore);
}

TEST_F(CourseWindowTest, WithoutEasyReadingTheBoxesKeepTheDesktopsColoursAndTheirHeight) {
    const QColor base = window.SampleEdit->palette().color(QPalette::Base);
    const int height = window.SampleEdit->height();
    QFont small(QStringLiteral("DejaVu Sans Mono"));
    small.setPointSize(10);
    window.SetDrillFont(small, Qt::black);
    Open("fjdk\n");
    EXPECT_EQ(window.SampleEdit->palette().color(QPalette::Base), base);
    EXPECT_EQ(window.SampleEdit->height(), height) << "a small font leaves the designed height";
}

// Easy reading: the results of a line and the drill's prompts in large
// print, as long as they are.
TEST_F(CourseWindowTest, LargeStatusTextIsShownWholeOverTwoLinesAndComesBackOnOne) {
    Open("fjdk\n");
    auto* status = window.SBHelp->findChild<QLabel*>();
    ASSERT_NE(status, nullptr);
    const qreal usualSize = status->font().pointSizeF();
    const int usualHeight = window.SBHelp->height();
    window.SetWindowFontName(QStringLiteral("DejaVu Sans"));

    window.SetStatusScale(1.5);
    window.SetStatusText(
        "Last line: 212 keys per minute, 97 % accuracy, 42 words per minute. Press the -> key to the next, "
        "the <- key to the previous, the Insert key to anywhere.");
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(status->font().pointSizeF(), usualSize * 1.5);
    EXPECT_EQ(status->font().family(), "DejaVu Sans") << "the window font's family stays";
    EXPECT_GT(status->heightForWidth(status->width()), QFontMetrics(status->font()).lineSpacing())
        << "the test needs a text longer than a line";
    EXPECT_LE(status->heightForWidth(status->width()), status->height()) << "every word in sight";

    window.SetStatusText("Short.");
    window.SetStatusScale(1);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(status->font().pointSizeF(), usualSize);
    EXPECT_EQ(window.SBHelp->height(), usualHeight);
}

// A long prompt in a window narrowed by a large scale factor.
TEST_F(CourseWindowTest, AStatusTextWiderThanTheWindowWrapsAndTheBarKeepsItsHeightAfterwards) {
    Open("fjdk\n");
    auto* status = window.SBHelp->findChild<QLabel*>();
    const int oneLine = window.SBHelp->height();
    window.SetStatusText("Short.");
    EXPECT_EQ(window.SBHelp->height(), oneLine) << "a short text keeps one line";

    window.resize(420, window.height());
    window.setFixedHeight(window.height());  // as the drill sets it
    const int windowHeight = window.height();
    QApplication::processEvents();
    const QString prompt = QStringLiteral(
        "The framed key comes up most; a new one joins when all of them reach 150 keys a minute at 95 % "
        "accuracy. Type the line as it stands, then press Space.");
    ASSERT_GT(QFontMetrics(status->font()).horizontalAdvance(prompt), window.width())
        << "the test needs a text wider than the window";
    window.SetStatusText(prompt.toStdString());
    QApplication::processEvents();
    EXPECT_GT(window.SBHelp->height(), oneLine);
    EXPECT_EQ(window.height(), windowHeight + window.SBHelp->height() - oneLine)
        << "the boxes keep their room";
    EXPECT_LE(status->heightForWidth(status->width()), status->height()) << "every word in sight";

    const int twoLines = window.SBHelp->height();
    window.SetStatusText("Short again.");
    EXPECT_EQ(window.SBHelp->height(), twoLines) << "the window keeps its height while the learner types";
}

class LineBreakWindowTest : public ::testing::Test {
protected:
    LineBreakWindowTest() {
        window.Scripted().SetEnterEndsLine(false);
        window.Scripted().SetHighLight(true);
        window.Scripted().SetLine("ab\r\ncd\r\n\r\nef");
        window.show();
    }
    QChar HighlightedCharacter() {
        const int position = window.HighlightedSamplePosition();
        return position < 0 ? QChar() : window.SampleEdit->document()->characterAt(position);
    }

    testing::DrillSurroundings world;
    ScriptedWindow window{world.watch, world.Guidance()};
};

TEST_F(LineBreakWindowTest, TheNextCharacterIsHighlightedAfterAnyNumberOfLineBreaks) {
    TypeText(window.InputEdit, "a");
    EXPECT_EQ(HighlightedCharacter(), u'b');
    TypeText(window.InputEdit, "b");
    EXPECT_EQ(window.HighlightedSamplePosition(), 2) << "the line break itself";
    PressKey(window.InputEdit, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(HighlightedCharacter(), u'c');
    TypeText(window.InputEdit, "cd ");  // a space is taken as the line break
    EXPECT_EQ(window.HighlightedSamplePosition(), 6) << "the empty line's break";
    PressKey(window.InputEdit, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(HighlightedCharacter(), u'e');
    EXPECT_EQ(window.InputEdit->toPlainText(), "ab\ncd\n\n");

    PressKey(window.InputEdit, Qt::Key_Backspace);
    EXPECT_EQ(window.HighlightedSamplePosition(), 6);
    EXPECT_EQ(window.InputEdit->toPlainText(), "ab\ncd\n");
}

TEST_F(LineBreakWindowTest, TheSampleReadsBackWithItsLineBreaks) {
    EXPECT_EQ(window.SampleText(), "ab\r\ncd\r\n\r\nef");
    EXPECT_EQ(window.SampleEdit->toPlainText(), "ab\ncd\n\nef");
}

struct ShownBox {
    int width = 0;
    QString caption;
};

// A window manager shortens a caption that does not fit beside the icon and
// buttons of the title bar ("ZQ T... Tutor"): a box is wide enough for its
// caption in the bold window font, with room for those. The input box's
// caption carries the application's name after its own.
TEST(DrillWindowMessageBoxTest, EveryBoxIsWideEnoughForItsCaption) {
    QApplication::setApplicationDisplayName(QStringLiteral("ZQ Typing Tutor"));
    testing::DrillSurroundings world;
    ScriptedWindow window(world.watch, world.Guidance());
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const auto needed = [&](const QString& caption) {
        return QFontMetrics(titleFont).horizontalAdvance(caption) + 100;
    };
    const std::function<void()> boxes[] = {[&] { window.InformationBox("Invalid input."); },
                                           [&] { window.WarningBox("Ok."); },
                                           [&] { window.InputBox("Input Box", "Letters:", "qwerty"); }};
    for (const auto& showBox : boxes) {
        auto shown = std::make_shared<ShownBox>();
        QTimer::singleShot(0, [shown] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown->width = box->width();
                shown->caption = box->windowTitle();
                box->reject();
            }
        });
        showBox();
        ASSERT_FALSE(shown->caption.isEmpty()) << "no box was shown";
        const QString caption = shown->caption == "ZQ Typing Tutor"
                                    ? shown->caption
                                    : shown->caption + QString::fromUtf8(" \u2014 ZQ Typing Tutor");
        EXPECT_GE(shown->width, needed(caption)) << caption.toStdString();
    }
}

TEST(DrillWindowPlacementTest, ArrangedOnTheScreenWithTheGuidanceBelow) {
    testing::DrillSurroundings world;
    CourseDrillWindow window(world.watch, world.Guidance());
    const QRect screen = window.screen()->geometry();
    EXPECT_EQ(window.width(), screen.width() * 90 / 100);
    window.show();
    QApplication::processEvents();
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(world.keyboard.frame.top, frame.bottom() + 1 + 10);
    EXPECT_TRUE(world.keyboard.shown);
    window.hide();
    EXPECT_FALSE(world.keyboard.shown || world.leftHand.shown || world.rightHand.shown);
}

}  // namespace
}  // namespace zq
