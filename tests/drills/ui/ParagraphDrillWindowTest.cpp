#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QToolButton>

#include "base/Translation.h"
#include "drills/DrillFakes.h"
#include "drills/DrillFiles.h"
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
    ParagraphDrillWindow window{world.watch};
};

TEST_F(ParagraphDrillWindowTest, TheToolBarUsesTheProgramsFont) {
    for (const QWidget* button : {window.BnLoad, window.BnPaste, window.BnRestart, window.BnClose})
        EXPECT_EQ(button->font().family(), QApplication::font().family());
}

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

// A book is shown a part at a time: the sample box holds the lines around
// the next character to type, never the whole text, and the part follows
// the learner through the text, forwards and back.
TEST_F(ParagraphDrillWindowTest, ALongTextShowsThePartAroundTheNextCharacter) {
    QString book;
    for (int line = 0; book.size() < 4 * static_cast<qsizetype>(ParagraphDrillWindow::kShownPart); ++line)
        book += QStringLiteral("Line %1 of the book, typed from its beginning to its end.\n").arg(line);
    Paste(book);
    const std::string& text = window.Drill().Sample();
    ASSERT_GT(text.size(), 4 * ParagraphDrillWindow::kShownPart);
    const QTextDocument& shown = *window.SampleEdit->document();
    const auto shownLength = [&] { return static_cast<std::size_t>(shown.characterCount()); };
    EXPECT_LE(shownLength(), ParagraphDrillWindow::kShownPart + 100);
    EXPECT_TRUE(shown.toPlainText().startsWith(QStringLiteral("Line 0 of the book")));

    Type(QStringLiteral("Lin"));
    EXPECT_EQ(shown.characterAt(window.HighlightedSamplePosition()), u'e');

    // The highlighted character is the text's, wherever the next one is.
    const auto highlighted = [&] { return shown.characterAt(window.HighlightedSamplePosition()); };
    for (const std::size_t index : {text.find("Line 3000 ") + 5, text.find("Line 1200 ") + 3,
                                    text.find("Line 1201 ") + 2, std::size_t{7}}) {
        SCOPED_TRACE(index);
        ASSERT_LT(index, text.size());
        window.SelectSample(static_cast<int>(index), 1);
        EXPECT_EQ(highlighted(), QChar::fromLatin1(text[index]));
        EXPECT_LE(window.ShownPartStart(), index);
        EXPECT_LE(shownLength(), ParagraphDrillWindow::kShownPart + 100);
        // Some lines before it are shown too.
        EXPECT_GE(shown.toPlainText().left(window.HighlightedSamplePosition()).count(u'\n'),
                  index > 200 ? 3 : 0);
    }
    EXPECT_EQ(window.ShownPartStart(), 0u) << "back at the beginning";

    // Near the end of the part shown, the next part comes.
    const std::size_t nearEnd = text.find("Line", ParagraphDrillWindow::kShownPart - 100) + 1;
    window.SelectSample(static_cast<int>(nearEnd), 1);
    EXPECT_GT(window.ShownPartStart(), 0u);
    EXPECT_EQ(highlighted(), QChar::fromLatin1(text[nearEnd]));
}

int Lightness(QRgb pixel) {
    return qGray(pixel);
}

// The "#" button must catch the eye: a framed face that stands out from the
// window, and a "#" that fills most of its height.
TEST_F(ParagraphDrillWindowTest, ReturnIndicatorIsPlainlyVisible) {
    Paste(QStringLiteral("ab\ncd"));
    Type(QStringLiteral("ab"));
    QToolButton* indicator = window.BnShowReturn;
    ASSERT_TRUE(indicator->isVisible());
    EXPECT_EQ(indicator->size(), QSize(21, 21));
    EXPECT_EQ(indicator->parentWidget(), window.LbMark->parentWidget()) << "on the marker's row";
    EXPECT_EQ(indicator->toolTip(), "Press return key if you see this button");

    const QImage face = indicator->grab().toImage();
    const int faceLightness = Lightness(face.pixel(3, 3));
    const int panelLightness = qGray(window.ContentPanel->palette().color(QPalette::Window).rgb());
    EXPECT_GT(std::abs(faceLightness - panelLightness), 40) << "the face stands out from the window";
    int firstRow = -1;
    int lastRow = -1;
    for (int y = 2; y < face.height() - 2; ++y) {
        for (int x = 2; x < face.width() - 2; ++x) {
            if (std::abs(Lightness(face.pixel(x, y)) - faceLightness) > 100) {
                if (firstRow < 0) firstRow = y;
                lastRow = y;
            }
        }
    }
    EXPECT_GE(lastRow - firstRow + 1, 10) << "the height of the #";
}

// The names of the files that the open dialog lists under a filter.
QStringList Listed(QFileDialog& dialog, const QString& filter) {
    dialog.selectNameFilter(filter);
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(10)) {
        QApplication::processEvents();
        names.clear();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            names << view->model()->index(row, 0, view->rootIndex()).data().toString();
        names.sort();
        if (names.size() > 1) break;  // the folder has been read
    }
    return names;
}

// Text files are listed whatever the case of their extension (names are
// case-sensitive here), and rich text files have a filter of their own.
TEST_F(ParagraphDrillWindowTest, TheOpenDialogOffersTextRichTextAndAllFiles) {
    testing::DrillFiles files;
    for (const char* name : {"a.txt", "b.TXT", "c.Txt", "d.rtf", "e.RTF", "f.doc"}) files.Write(name, "x");
    const auto created = window.CreateTextFileDialog(QString::fromStdString(files.PathOf("")));
    QFileDialog& dialog = *created;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    ASSERT_EQ(dialog.nameFilters().size(), 3);
    EXPECT_TRUE(dialog.nameFilters()[0].startsWith("Text ("));
    EXPECT_TRUE(dialog.nameFilters()[1].startsWith("Rich text ("));
    EXPECT_TRUE(dialog.nameFilters()[2].startsWith("All ("));
    dialog.open();
    EXPECT_EQ(Listed(dialog, dialog.nameFilters()[0]), QStringList({"a.txt", "b.TXT", "c.Txt"}));
    EXPECT_EQ(Listed(dialog, dialog.nameFilters()[1]), QStringList({"d.rtf", "e.RTF"}));
    EXPECT_EQ(Listed(dialog, dialog.nameFilters()[2]).size(), 6);
    dialog.reject();
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

TEST_F(ParagraphDrillWindowTest, TextTakesTheDrillFontAndLeavesNoOldColorsBehind) {
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

// The owner sets the drill's font after the window has arranged itself: the
// two boxes keep their half of the screen each, and a font too tall for
// two lines in them still makes them grow.
TEST_F(ParagraphDrillWindowTest, BoxesKeepTheirHalfOfTheWindowWhateverTheDrillFont) {
    const LongTextLayout arranged = ArrangedLongTextLayout(window.width(), window.height());
    ASSERT_GT(arranged.sample.height, 150) << "a screen with room for more than two lines";
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(14);
    window.SetDrillFont(font, Qt::black);
    QApplication::processEvents();
    EXPECT_EQ(window.SampleEdit->height(), arranged.sample.height);
    EXPECT_EQ(window.InputEdit->height(), arranged.input.height);

    font.setPixelSize(arranged.sample.height);
    window.SetDrillFont(font, Qt::black);
    EXPECT_GT(window.SampleEdit->minimumHeight(), 2 * arranged.sample.height) << "two lines of the font";
}

TEST_F(ParagraphDrillWindowTest, AnEmptyDrillSaysWhereATextComesFrom) {
    EXPECT_FALSE(window.SampleEdit->placeholderText().isEmpty());
    Paste(QStringLiteral("ab"));
    EXPECT_EQ(window.SampleEdit->toPlainText(), "ab") << "the hint is not part of the text";
}

TEST_F(ParagraphDrillWindowTest, KeyBeforeAnyTextMakesTheInputReadOnlyUntilATextArrives) {
    Type(QStringLiteral("x"));
    EXPECT_TRUE(Input().isEmpty());
    EXPECT_TRUE(window.InputEdit->isReadOnly());
    Paste(QStringLiteral("x"));
    EXPECT_FALSE(window.InputEdit->isReadOnly());
    EXPECT_EQ(window.SampleEdit->toPlainText(), "x");
}

// Longer captions than the English ones ("Recommencer", "Neu beginnen")
// show whole on the tool bar's buttons.
TEST(ParagraphDrillToolBarTest, EveryCaptionShowsWholeInFrenchAndGerman) {
    for (const char* language : {"fr", "de"}) {
        SCOPED_TRACE(language);
        SetupTranslation(std::string(ZQ_PROGRAM_DIR) + "/locale", language);
        testing::DrillSurroundings world;
        ParagraphDrillWindow window{world.watch};
        SetupTranslation(std::string(ZQ_PROGRAM_DIR) + "/locale", "C");
        window.show();
        QApplication::processEvents();
        ASSERT_NE(window.BnRestart->text(), QStringLiteral("&Restart")) << "no catalogue";
        for (const QToolButton* button : {window.BnLoad, window.BnPaste, window.BnRestart, window.BnClose}) {
            SCOPED_TRACE(button->text().toStdString());
            EXPECT_GE(button->width(), button->sizeHint().width());
            EXPECT_GE(button->width(), 84) << "the buttons keep their size where the captions are short";
        }
    }
}

}  // namespace
}  // namespace zq
