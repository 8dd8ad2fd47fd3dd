#include "base/TextFile.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "../support/Utf16Bytes.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using Lines = std::vector<std::string>;
using test::TempFolder;

// Sets a code page for one test and restores the default afterwards.
class CodePageScope {
public:
    explicit CodePageScope(int codePage) { SetSystemCodePage(codePage); }
    ~CodePageScope() { SetSystemCodePage(1252); }
};

TEST(TextFile, LinesEndAtCrLfCrOrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(SplitLines("a\n\r"), (Lines{"a", ""}));  // LF then CR: two breaks
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(TextFile, ANulCharacterEndsTheText) {
    EXPECT_EQ(SplitLines(std::string("one\ntwo\0three\nfour", 19)), (Lines{"one", "two"}));
}

TEST(TextFile, Utf8FilesAreConvertedAndEightBitFilesKept) {
    TempFolder folder;
    folder.Write("utf8.txt",
                 "\xEF\xBB\xBF"
                 "caf\xC3\xA9\r\n\xE2\x82\xAC 5\r\n");
    EXPECT_EQ(ReadTextLines(folder.File("utf8.txt")), (Lines{"caf\xE9", "\x80 5"}));
    folder.Write("ansi.txt", "caf\xE9\n\x80 5\n");
    EXPECT_EQ(ReadTextLines(folder.File("ansi.txt")), (Lines{"caf\xE9", "\x80 5"}));
    // A UTF-8 file with one stray 8-bit byte is read in the code page, and
    // its byte order mark is no text.
    folder.Write("mixed.txt",
                 "\xEF\xBB\xBF"
                 "caf\xE9\n");
    EXPECT_EQ(ReadTextLines(folder.File("mixed.txt")), (Lines{"caf\xE9"}));
    // Marked as UTF-8 and holding UTF-8 letters, with one line pasted from
    // an 8-bit file: UTF-8, the stray byte a question mark.
    folder.Write("pasted.txt",
                 "\xEF\xBB\xBF"
                 "\xC3\xA4\xC3\xA4 \xC3\xB6\n"
                 "Caf\xE9 da\n");
    EXPECT_EQ(ReadTextLines(folder.File("pasted.txt")), (Lines{"\xE4\xE4 \xF6", "Caf? da"}));
    // A plain ASCII file stays as it is.
    folder.Write("ascii.txt", "plain\n");
    EXPECT_EQ(ReadTextLines(folder.File("ascii.txt")), (Lines{"plain"}));
}

// The "Unicode" save of Windows editors: UTF-16 behind its byte order mark,
// in either byte order. Its text is read, not its bytes (whose second is a
// NUL for every Latin letter).
TEST(TextFile, Utf16FilesWithAByteOrderMarkAreReadAsTheirText) {
    TempFolder folder;
    const std::u16string text = u"caf\u00E9\r\n\u20AC 5\r\nsmile \U0001F600\n";
    for (const bool bigEndian : {false, true}) {
        folder.Write("unicode.txt", test::Utf16Bytes(text, bigEndian));
        EXPECT_EQ(ReadTextLines(folder.File("unicode.txt")), (Lines{"caf\xE9", "\x80 5", "smile ?"}))
            << (bigEndian ? "big endian" : "little endian");
    }
    // Into the code page asked for: a Russian course's text under English
    // windows.
    folder.Write("russian.txt", test::Utf16Bytes(u"\u0416\u0438\u0442\u044C\n", true));
    EXPECT_EQ(ReadTextLines(folder.File("russian.txt"), 1251), (Lines{"\xC6\xE8\xF2\xFC"}));
    // A NUL character of the text still ends it; a last byte without its
    // partner is no letter.
    folder.Write("nul.txt", test::Utf16Bytes(std::u16string(u"one\ntwo\0three", 13)));
    EXPECT_EQ(ReadTextLines(folder.File("nul.txt")), (Lines{"one", "two"}));
    folder.Write("odd.txt", test::Utf16Bytes(u"ab") + "c");
    EXPECT_EQ(ReadTextLines(folder.File("odd.txt")), (Lines{"ab?"}));
}

// Without a mark nothing tells UTF-16 from 8-bit text: such a file is read
// as before, up to its first NUL.
TEST(TextFile, UnmarkedBytesWithNulsAreReadAsBefore) {
    EXPECT_EQ(SplitLines(FileTextToCodePage(std::string("a\0b\0", 4))), (Lines{"a"}));
}

TEST(TextFile, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(FileTextToCodePage("\xD0\x96\xC3\xA4\xE4\xB8\xAD"), "?\xE4?");
    EXPECT_FALSE(CodeOfChar(U'\u0416').has_value());
    EXPECT_EQ(CodeOfChar(U'\u20AC'), 0x80);
}

TEST(TextFile, TheLanguageChoosesTheCodePage) {
    EXPECT_EQ(CodePageForLanguage("ru_RU.UTF-8"), 1251);
    EXPECT_EQ(CodePageForLanguage("pl"), 1250);
    EXPECT_EQ(CodePageForLanguage("el_GR"), 1253);
    EXPECT_EQ(CodePageForLanguage("th_TH"), 874);
    EXPECT_EQ(CodePageForLanguage("de:en"), 1252);
    EXPECT_EQ(CodePageForLanguage(""), 1252);

    CodePageScope russian(CodePageForLanguage("ru"));
    EXPECT_EQ(FileTextToCodePage("\xD0\x96\xD0\xB8\xD1\x82\xD1\x8C"), "\xC6\xE8\xF2\xFC");  // "Жить"
    EXPECT_EQ(ToUtf8("\xC6"), "\xD0\x96");
    EXPECT_EQ(CharOfCode(0xC6), U'\u0416');
    EXPECT_EQ(FileTextToCodePage("\xC3\xA9"), "?");  // é is not in code page 1251
}

TEST(TextFile, ACodePagePutInForceForAWhileGivesTheOneBeforeBack) {
    CodePageScope russian(1251);
    {
        const CodePageInForce greek(1253);
        EXPECT_EQ(SystemCodePage(), 1253);
        EXPECT_EQ(ToUtf8("\xE1"), "\xCE\xB1");  // alpha
    }
    EXPECT_EQ(SystemCodePage(), 1251);
}

TEST(TextFile, OnlyCodePagesTheSystemConvertsAreKnown) {
    for (const int codePage : {1252, 1251, 874, 1258}) {
        const CodePageInForce inForce(codePage);
        EXPECT_TRUE(IsKnownCodePage()) << codePage;
    }
    for (const int codePage : {4711, 99999}) {
        const CodePageInForce inForce(codePage);
        EXPECT_FALSE(IsKnownCodePage()) << codePage;
    }
}

// A text of another code page than the one in force (a course's, kept
// from another run) is read in its own code page.
TEST(TextFile, AnotherCodePageCanBeNamedWithoutChangingTheOneInForce) {
    CodePageScope german(1252);
    EXPECT_EQ(ToUtf8("\xC6", 1251), "\xD0\x96");   // Ж
    EXPECT_EQ(CharOfCode(0xE4, 1251), U'\u0434');  // д
    EXPECT_EQ(CodeOfChar(U'\u0434', 1251), 0xE4);
    EXPECT_FALSE(CodeOfChar(U'\u00E4', 1251).has_value());  // ä is not in code page 1251
    // The code page in force is still the German one.
    EXPECT_EQ(SystemCodePage(), 1252);
    EXPECT_EQ(ToUtf8("\xE4"), "\xC3\xA4");
    EXPECT_EQ(CharOfCode(0xE4), U'\u00E4');
    EXPECT_EQ(CodeOfChar(U'\u00E4'), 0xE4);
}

// Hebrew and Vietnamese letters may take combining marks, so a converter
// holds each back until it sees the next byte; they must still be found.
TEST(TextFile, LettersThatTakeCombiningMarksAreInTheirCodePages) {
    {
        CodePageScope hebrew(CodePageForLanguage("he"));
        // alef, then shalom
        EXPECT_EQ(CharOfCode(0xE0), U'\u05D0');
        EXPECT_EQ(FileTextToCodePage("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"), "\xF9\xEC\xE5\xED");
    }
    {
        CodePageScope thai(CodePageForLanguage("th"));
        EXPECT_EQ(CharOfCode(0xA1), U'\u0E01');  // ko kai
    }
    CodePageScope vietnamese(CodePageForLanguage("vi"));
    EXPECT_EQ(CharOfCode(0xC3), U'\u0102');  // A with breve
    EXPECT_EQ(ToUtf8("\xC0"), "\xC3\x80");   // A with grave
    EXPECT_EQ(CodeOfChar(U'\u01B0'), 0xFD);  // u with horn
}

TEST(TextFile, EightBitAndUtf8ConvertBothWays) {
    EXPECT_EQ(ToUtf8("Gr\xFC\xDF"
                     "e \x80"),
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x82\xAC");
    EXPECT_EQ(FromUtf8("Gr\xC3\xBC\xC3\x9F"
                       "e \xE2\x82\xAC"),
              "Gr\xFC\xDF"
              "e \x80");
    EXPECT_EQ(ToUtf8("\x81"), "\xEF\xBF\xBD");  // undefined in code page 1252
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              "a?b");  // not UTF-8 at all
    EXPECT_FALSE(IsUtf8WithNonAscii("plain"));
    EXPECT_FALSE(IsUtf8WithNonAscii("caf\xE9"));
    EXPECT_TRUE(IsUtf8WithNonAscii("caf\xC3\xA9"));
    EXPECT_FALSE(IsUtf8WithNonAscii("\xC3"));          // cut short
    EXPECT_FALSE(IsUtf8WithNonAscii("\xC0\xAF"));      // overlong
    EXPECT_FALSE(IsUtf8WithNonAscii("\xED\xA0\x80"));  // surrogate
}

TEST(TextFile, AMissingFileOrAFolderRaisesTheOpenMessage) {
    TempFolder folder;
    EXPECT_THROW(ReadFileBytes(folder.Dir()), LibraryError);
    try {
        ReadFileBytes(folder.File("absent.txt"));
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("Cannot open file \"" + folder.File("absent.txt")))
            << error.what();
    }
}

TEST(TextFile, TheOpenMessageGivesTheSystemsReason) {
    TempFolder folder;
    try {
        ReadFileBytes(folder.Dir());
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + folder.Dir() + "\". Is a directory");
    }
    folder.Write("bytes", std::string("a\0b", 3));
    EXPECT_EQ(ReadFileBytes(folder.File("bytes")), std::string("a\0b", 3)) << "every byte, a NUL too";
}

}  // namespace
}  // namespace zq
