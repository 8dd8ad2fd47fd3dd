#include "drills/TFmLongText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "DrillFakes.h"
#include "DrillFiles.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "support/Utf16Bytes.h"

namespace zq {
namespace {

using testing::DrillSurroundings;

class FakeTextDrillView : public testing::FakeDrillView {
public:
    bool readOnly = false;
    void SetInputReadOnly(bool value) override { readOnly = value; }
};

class FakeLongTextView : public LongTextView {
public:
    std::optional<std::string> chosenFile;  // nothing: the dialog is cancelled
    std::string startFolder;
    std::string clipboard;
    bool busy = false;
    int busyTimes = 0;
    bool returnIndicator = false;
    DrillRect client{0, 0, 1274, 970};
    LongTextLayout placed;
    // Every progress shown (bytes read, file size), and after how many the
    // learner cancels (never when negative).
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    int cancelAfter = -1;
    bool progressShown = false;

    std::optional<std::string> ChooseTextFile(const std::string& folder) override {
        startFolder = folder;
        return chosenFile;
    }
    std::string ClipboardText() override { return clipboard; }
    void SetBusyCursor(bool value) override {
        busy = value;
        if (value) ++busyTimes;
    }
    void SetReturnIndicatorVisible(bool visible) override { returnIndicator = visible; }
    DrillRect ClientArea() const override { return client; }
    void PlaceBoxes(const LongTextLayout& layout) override { placed = layout; }
    bool ShowLoadProgress(const std::string&, std::size_t bytesRead, std::size_t fileSize) override {
        progress.emplace_back(bytesRead, fileSize);
        progressShown = true;
        return cancelAfter < 0 || static_cast<int>(progress.size()) < cancelAfter;
    }
    void EndLoadProgress() override { progressShown = false; }
};

class LongTextTest : public ::testing::Test {
protected:
    LongTextTest() : drill(view, longView, world.watch, world.Guidance()) {
        drill.FormCreate();
        drill.SetEvents({.OnLineDone = [this](TFmLinePractice&) { ++linesDone; },
                         .OnWrongKey = [this](TFmLinePractice&) { ++wrongKeys; },
                         .OnReturnExpected = [this](TFmLinePractice&) { ++returnsExpected; },
                         .OnLineEnded = {}});
    }

    void Paste(const std::string& utf8) {
        longView.clipboard = utf8;
        drill.PasteText();
    }
    // A key as the window gives it: first its virtual-key code to the key-down
    // handler, then, unless cancelled, the character to the character handling.
    // Gives the character that reaches the input box, if any.
    std::optional<unsigned char> Press(unsigned char key, int virtualKey = 0) {
        if (drill.InputEditKeyDown(virtualKey)) return std::nullopt;
        if (!drill.InputEditKeyPress(key)) return std::nullopt;
        return key;
    }
    void Type(std::string_view keys) {
        for (const char key : keys) Press(static_cast<unsigned char>(key));
    }
    void Wait(std::int64_t milliseconds) { world.clock.now += milliseconds; }

    DrillSurroundings world;
    FakeTextDrillView view;
    FakeLongTextView longView;
    TFmLongText drill;
    int linesDone = 0;
    int wrongKeys = 0;
    int returnsExpected = 0;
};

TEST_F(LongTextTest, TwoLineTextTypedWithEnterIsErrorFree) {
    Paste("ab\ncd");
    EXPECT_EQ(drill.Sample(), "ab\r\ncd");
    EXPECT_EQ(drill.SampleLength(), 6);
    EXPECT_EQ(drill.WordCount(), 2);
    EXPECT_FALSE(view.readOnly);
    EXPECT_FALSE(drill.UseGuidance());
    EXPECT_FALSE(drill.EnterEndsLine());

    Type("ab");
    EXPECT_TRUE(longView.returnIndicator);
    EXPECT_EQ(returnsExpected, 1);
    EXPECT_EQ(view.selectionStart, 2) << "the line break is highlighted";
    EXPECT_EQ(Press(kCarriageReturn), kCarriageReturn);
    EXPECT_FALSE(longView.returnIndicator);
    EXPECT_EQ(drill.Pos(), 5) << "Enter typed both CR and LF";
    EXPECT_EQ(view.selectionStart, 4);
    Wait(1200);
    Type("cd");
    EXPECT_EQ(linesDone, 0);
    Press('z');
    EXPECT_EQ(linesDone, 1);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(drill.Errors(), 0);
    EXPECT_EQ(wrongKeys, 0);
    EXPECT_EQ(view.status, "Keys/Min: 300   Accuracy: 100%   WPM: 100");
    EXPECT_TRUE(view.readOnly);
    EXPECT_EQ(returnsExpected, 1);
}

TEST_F(LongTextTest, SpaceAtALineBreakTypesItAndOtherCharactersThereAreIgnored) {
    Paste("ab\r\ncd");
    Type("ab");
    const std::int32_t before = drill.Pos();
    EXPECT_EQ(Press('x'), std::nullopt);
    EXPECT_EQ(drill.Pos(), before);
    EXPECT_EQ(wrongKeys, 0);

    EXPECT_EQ(Press(' '), kCarriageReturn) << "the input box receives a line break";
    EXPECT_EQ(drill.Pos(), 5);
    EXPECT_TRUE(longView.returnIndicator) << "stays until the next key";
    Type("c");
    EXPECT_FALSE(longView.returnIndicator);
    Type("d!");
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(drill.Errors(), 0);
}

TEST_F(LongTextTest, EnterInsideALineIsNotJudgedAndBackspaceCrossesLineBreaksWhole) {
    Paste("abc\ndef");
    Type("a");
    EXPECT_EQ(Press(kCarriageReturn), kCarriageReturn) << "the input box takes the line break";
    EXPECT_EQ(drill.Pos(), 2);
    EXPECT_EQ(wrongKeys, 0);
    EXPECT_FALSE(longView.returnIndicator);
    Type("bc");
    Press(kCarriageReturn);
    EXPECT_EQ(drill.Pos(), 6);
    returnsExpected = 0;
    Press(kBackspace);
    EXPECT_EQ(drill.Pos(), 4) << "back over LF and CR";
    EXPECT_TRUE(longView.returnIndicator);
    EXPECT_EQ(returnsExpected, 1);
    Press(' ');
    Type("def");
    Press(kEscape);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted) << "Escape after the last character completes";
    EXPECT_FALSE(view.closed);
    EXPECT_EQ(drill.Errors(), 0);
}

TEST_F(LongTextTest, RestartInTheMiddleDropsTheAttemptAndTimesFromTheNextKey) {
    Paste("one two");
    Type("onx");
    Wait(4000);
    EXPECT_TRUE(view.markerVisible);
    const int clears = view.inputClears;
    drill.BnRestartClick();
    EXPECT_EQ(view.inputClears, clears + 1);
    EXPECT_FALSE(view.markerVisible);
    EXPECT_FALSE(drill.Started());
    EXPECT_EQ(drill.Pos(), 1);
    Wait(10000);
    Type("one two");
    Wait(700);
    Press('.');
    EXPECT_EQ(drill.LineTime(), 700);
    EXPECT_EQ(drill.PracticeTime(), 700);
    EXPECT_EQ(drill.Errors(), 0) << "marks of the dropped attempt are gone";
}

TEST_F(LongTextTest, WordsAreSeparatedByBlanksLineBreaksCommasFullStopsAndSlashes) {
    EXPECT_EQ(CountLongTextWords("a,b/c.d e"), 5);
    EXPECT_EQ(CountLongTextWords("well-known it's\ttabbed"), 2);
    EXPECT_EQ(CountLongTextWords("one\r\ntwo,, three.../"), 3);
    EXPECT_EQ(CountLongTextWords(" ,./\r\n"), 0);
    Paste("Yes, no/maybe.\nOK");
    EXPECT_EQ(drill.WordCount(), 4);
}

TEST_F(LongTextTest, KeyBeforeAnyTextIsSwallowedAndLoadingMakesTheInputWritable) {
    EXPECT_EQ(Press('a'), std::nullopt);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loNoLine);
    EXPECT_TRUE(view.readOnly);
    EXPECT_EQ(linesDone, 0);
    const std::int32_t time = drill.PracticeTime();
    Press('b');
    Press(kEscape, 27);
    EXPECT_EQ(drill.PracticeTime(), time) << "further keys are not timed";
    EXPECT_TRUE(view.closed) << "Escape still closes the window";

    Paste("xy");
    EXPECT_FALSE(view.readOnly);
    EXPECT_FALSE(drill.KeysIgnored());
}

TEST_F(LongTextTest, KeysAfterTheEndAreIgnoredUntilTheTextStartsAgain) {
    Paste("hi");
    Type("hi");
    Wait(500);
    Press(' ');
    ASSERT_EQ(linesDone, 1);
    const std::int32_t time = drill.PracticeTime();
    view.status.clear();
    Wait(500);
    Type("more keys\r");
    EXPECT_EQ(linesDone, 1);
    EXPECT_EQ(drill.PracticeTime(), time);
    EXPECT_TRUE(view.status.empty());
    EXPECT_FALSE(view.closed);

    drill.BnRestartClick();
    EXPECT_FALSE(view.readOnly);
    Type("hi!");
    EXPECT_EQ(linesDone, 2);
}

TEST_F(LongTextTest, LoadsPlainAndRichTextFilesWithCrLfLineBreaks) {
    testing::DrillFiles files;
    longView.chosenFile = files.Write("mixed.txt", "one\ntwo\r\nthree\rfour\r\n");
    drill.LoadText();
    EXPECT_EQ(longView.startFolder.substr(longView.startFolder.size() - 7), "Courses");
    EXPECT_EQ(drill.Sample(), "one\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(drill.SampleLength(), 21);
    EXPECT_FALSE(longView.busy);
    EXPECT_GT(longView.busyTimes, 0);

    longView.chosenFile = files.Write("utf8.txt", "caf\xC3\xA9\n");
    drill.LoadText();
    EXPECT_EQ(drill.Sample(), "caf\xE9");

    longView.chosenFile =
        files.Write("letter.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Dear \\b you\\b0 ,\\par Bye}");
    drill.LoadText();
    EXPECT_EQ(drill.Sample(), "Dear you,\r\nBye");
    EXPECT_EQ(drill.WordCount(), 3);
    EXPECT_EQ(drill.Pos(), 1);
}

// An installed program's texts lie in its data folder, not beside the
// program file.
TEST_F(LongTextTest, TheFileDialogOpensInTheFolderItIsGiven) {
    drill.SetTextFolder("/usr/share/zq-typing-tutor/Courses");
    drill.LoadText();
    EXPECT_EQ(longView.startFolder, "/usr/share/zq-typing-tutor/Courses");
}

// The text is the course's: a Russian text loaded or pasted under English
// windows keeps its letters, in the drill's code page.
TEST_F(LongTextTest, TextsAreReadInTheDrillsCodePage) {
    const CodePageInForce english(1252);
    drill.SetTextCodePage(1251);
    testing::DrillFiles files;
    longView.chosenFile = files.Write("russian.txt", "\xD0\xB4\xD0\xB0\n");  // "да"
    drill.LoadText();
    EXPECT_EQ(drill.Sample(), "\xE4\xE0");
    longView.chosenFile = files.Write("russian.rtf", "{\\rtf1\\ansi \\u1076?\\u1072?}");
    drill.LoadText();
    EXPECT_EQ(drill.Sample(), "\xE4\xE0");
    Paste("\xD0\xB4\xD0\xB0");
    EXPECT_EQ(drill.Sample(), "\xE4\xE0");
}

TEST_F(LongTextTest, FileThatCannotBeOpenedChangesNothing) {
    Paste("keep me");
    Type("ke");
    testing::DrillFiles files;
    longView.chosenFile = files.PathOf("missing.txt");
    EXPECT_THROW(drill.LoadText(), LibraryError);
    EXPECT_FALSE(longView.busy) << "the normal cursor comes back";
    EXPECT_EQ(drill.Sample(), "keep me");
    EXPECT_EQ(view.sample, "keep me");
    EXPECT_EQ(drill.Pos(), 3);
    EXPECT_TRUE(drill.Started());

    longView.chosenFile.reset();  // the dialog cancelled
    drill.LoadText();
    EXPECT_EQ(drill.Pos(), 3);
}

// A program, an image or an archive chosen by mistake is not loaded as a
// text of odd characters: the learner is told, and the text in the drill
// stays.
TEST_F(LongTextTest, ABinaryFileIsRefusedAsNotText) {
    Paste("keep me");
    Type("ke");
    testing::DrillFiles files;
    std::string program(
        "\x7F"
        "ELF\x02\x01\x01",
        7);
    for (int i = 0; i < 4096; ++i) program += static_cast<char>(i * 37 % 256);
    longView.chosenFile = files.Write("a.out", program);
    drill.LoadText();
    ASSERT_EQ(view.informations.size(), 1U);
    EXPECT_NE(view.informations[0].find("not text"), std::string::npos) << view.informations[0];
    EXPECT_NE(view.informations[0].find("a.out"), std::string::npos) << view.informations[0];
    EXPECT_FALSE(longView.busy);
    EXPECT_EQ(drill.Sample(), "keep me");
    EXPECT_EQ(drill.Pos(), 3);

    // Text with a stray control character or two is still text.
    longView.chosenFile = files.Write("letter.txt", "Dear you,\fpage two\x01 ends\tthere\n");
    drill.LoadText();
    EXPECT_EQ(view.informations.size(), 1U);
    EXPECT_EQ(drill.Sample(), "Dear you,\fpage two\x01 ends\tthere");
}

// The "Unicode" save of Windows editors is a text, whose every Latin letter
// holds a NUL byte; a file of control characters behind the same mark is not.
TEST_F(LongTextTest, AUtf16TextIsLoadedAndUtf16ControlCharactersAreNot) {
    testing::DrillFiles files;
    for (const bool bigEndian : {false, true}) {
        longView.chosenFile =
            files.Write("unicode.txt", test::Utf16Bytes(u"The quick fox.\r\nCaf\u00E9 line.\r\n", bigEndian));
        drill.LoadText();
        EXPECT_EQ(view.informations.size(), 0U);
        EXPECT_EQ(drill.Sample(), "The quick fox.\r\nCaf\xE9 line.") << (bigEndian ? "big endian" : "little");
    }

    std::u16string controls;
    for (int i = 0; i < 4096; ++i) controls += static_cast<char16_t>(i % 31 + 1);
    longView.chosenFile = files.Write("controls.bin", test::Utf16Bytes(controls));
    drill.LoadText();
    ASSERT_EQ(view.informations.size(), 1U);
    EXPECT_NE(view.informations[0].find("not text"), std::string::npos) << view.informations[0];
    EXPECT_EQ(drill.Sample(), "The quick fox.\r\nCaf\xE9 line.");
}

// A disk image chosen by mistake is refused from its first part, at once,
// rather than read whole into memory first.
TEST_F(LongTextTest, ALargeFileThatIsNotTextIsRefusedBeforeItIsReadWhole) {
    testing::DrillFiles files;
    const std::string image = files.Write("disk.img", "");
    std::filesystem::resize_file(image, 16 * 1024 * 1024);  // zeros, without taking the disk's room
    longView.chosenFile = image;
    drill.LoadText();
    ASSERT_EQ(view.informations.size(), 1U);
    EXPECT_NE(view.informations[0].find("not text"), std::string::npos) << view.informations[0];
    EXPECT_TRUE(longView.progress.empty()) << "read up to " << longView.progress.back().first << " bytes";
    EXPECT_FALSE(longView.busy);

    // A text whose first part holds a few control characters is read whole.
    std::string text(100'000, 'a');
    text.replace(0, 20, std::string(20, '\x01'));
    longView.chosenFile = files.Write("long.txt", text);
    drill.LoadText();
    EXPECT_EQ(view.informations.size(), 1U);
    EXPECT_EQ(drill.SampleLength(), 100'000);
}

// A long file shows how far its reading has come, and the learner may
// cancel it: the text in the drill then stays as it was.
TEST_F(LongTextTest, ALongFileShowsItsProgressAndCancellingKeepsTheTextInTheDrill) {
    std::string book;
    while (book.size() < 1'000'000) book += "Hands rest on the home keys, eyes stay on the page.\n";
    testing::DrillFiles files;
    longView.chosenFile = files.Write("book.txt", book);
    drill.LoadText();
    ASSERT_GT(longView.progress.size(), 4u) << "a megabyte is read in parts";
    for (std::size_t i = 0; i < longView.progress.size(); ++i) {
        EXPECT_EQ(longView.progress[i].second, book.size());
        if (i > 0) {
            EXPECT_GT(longView.progress[i].first, longView.progress[i - 1].first);
        }
    }
    EXPECT_EQ(longView.progress.back().first, book.size());
    EXPECT_FALSE(longView.progressShown) << "the progress goes when the text is read";
    // Each line break becomes CR LF; the last one goes.
    const auto lineBreaks = static_cast<std::size_t>(std::count(book.begin(), book.end(), '\n'));
    EXPECT_EQ(drill.SampleLength(), static_cast<std::int32_t>(book.size() + lineBreaks - 2));

    Paste("keep me");
    Type("ke");
    longView.progress.clear();
    longView.cancelAfter = 3;
    drill.LoadText();
    EXPECT_EQ(longView.progress.size(), 3u) << "the reading stops once cancelled";
    EXPECT_FALSE(longView.progressShown);
    EXPECT_FALSE(longView.busy);
    EXPECT_TRUE(view.informations.empty()) << "a cancelled reading needs no message";
    EXPECT_EQ(drill.Sample(), "keep me");
    EXPECT_EQ(drill.Pos(), 3);
    EXPECT_TRUE(drill.Started());
}

TEST_F(LongTextTest, PastedTextIsPlainEightBitTextWithCrLfLineBreaks) {
    Paste("caf\xC3\xA9\r\rnext\xE2\x98\x83\n");
    EXPECT_EQ(drill.Sample(), "caf\xE9\r\n\r\nnext?");
    Paste("\nstarts with a line break");
    EXPECT_TRUE(longView.returnIndicator) << "the first key is Enter";
    Paste("");
    EXPECT_EQ(drill.SampleLength(), 0);
    Press('a');
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_TRUE(view.status.empty());
}

// A document ends with a paragraph mark, a file often with a line break:
// the text ends with its last character, so that the key after it
// completes the text.
TEST_F(LongTextTest, LineBreaksAndBlanksAtTheEndOfATextAreDropped) {
    testing::DrillFiles files;
    longView.chosenFile = files.Write("letter.rtf", "{\\rtf1\\ansi Dear you,\\par Bye\\par\n}\n");
    drill.LoadText();
    EXPECT_EQ(drill.Sample(), "Dear you,\r\nBye");
    Type("Dear you,\rBye");
    EXPECT_EQ(linesDone, 0);
    Press('x');
    EXPECT_EQ(linesDone, 1);

    Paste("  first \n\tsecond \t\r\n \n\t");
    EXPECT_EQ(drill.Sample(), "  first \r\n\tsecond") << "blanks inside and in front stay";
    Paste(" \r\n\t");
    EXPECT_EQ(drill.SampleLength(), 0);
}

// Statistics belong to the text they were shown for.
TEST_F(LongTextTest, ANewTextOrARestartClearsTheStatistics) {
    Paste("hi");
    Type("hi!");
    ASSERT_FALSE(view.status.empty());
    Paste("other text");
    EXPECT_TRUE(view.status.empty());

    Type("other text!");
    ASSERT_FALSE(view.status.empty());
    drill.BnRestartClick();
    EXPECT_TRUE(view.status.empty());
}

TEST(LongTextLineBreaks, EveryLineBreakBecomesCrLfAndNulCharactersGo) {
    EXPECT_EQ(WithCrLfLineBreaks(std::string("a\0b\r\n\nc\r", 8)), "ab\r\n\r\nc\r\n");
    EXPECT_EQ(WithCrLfLineBreaks("\n\r\r\n"), "\r\n\r\n\r\n");
    EXPECT_EQ(WithCrLfLineBreaks("plain"), "plain");
    EXPECT_EQ(WithCrLfLineBreaks(""), "");
}

TEST_F(LongTextTest, FillsTheScreen) {
    EXPECT_EQ(view.placed.left, 1);
    EXPECT_EQ(view.placed.top, 1);
    EXPECT_EQ(view.placed.width, 1280);
    EXPECT_EQ(view.placed.height, 999);
    const LongTextLayout& layout = longView.placed;
    EXPECT_EQ(layout.sample.left, 4);
    EXPECT_EQ(layout.sample.top, 35);
    EXPECT_EQ(layout.sample.width, 1259);
    EXPECT_EQ(layout.sample.height, 437);
    EXPECT_EQ(layout.markTop, 475);
    EXPECT_EQ(layout.input.top, 497);
    EXPECT_EQ(layout.input.width, 1263);
    EXPECT_EQ(layout.input.height, 437);
}

}  // namespace
}  // namespace zq
