#include "drills/RtfReader.h"

#include <gtest/gtest.h>

#include <string>

#include "base/CodePage.h"

namespace zq {
namespace {

// Runs a test body under another system code page and restores the old one.
class ScopedCodePage {
public:
    explicit ScopedCodePage(int codePage) : saved_(SystemCodePage()) { SetSystemCodePage(codePage); }
    ~ScopedCodePage() { SetSystemCodePage(saved_); }

private:
    int saved_;
};

// The shape of what a word processor's rich-text box saves: header, font
// and colour tables, generator, paragraph formatting, bold runs, accents.
constexpr const char* kWordPadDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033"
    "{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\fswiss\\fcharset204 Arial CYR;}"
    "{\\f2\\fnil\\fcharset238{\\*\\panose 02020603050405020304} Times CE;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Hello \\b world\\b0 , caf\\'e9 na\\'efve.\\par\r\n"
    "\\cf1 Red\\cf0  text\\line next line\\par\r\n"
    "\\f1\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\f0  \\f2\\'b9\\f0\\par\r\n"
    "}\r\n";

TEST(RtfReaderTest, WordProcessorDocumentGivesItsTextWithLineBreaks) {
    ScopedCodePage westernEurope(1252);
    EXPECT_EQ(RtfToText(kWordPadDocument),
              "Hello world, caf\xE9 na\xEFve.\r\nRed text\r\nnext line\r\n?????? ?\r\n");
}

TEST(RtfReaderTest, FontCharactersSetsChooseTheCodePageOfHexEscapes) {
    {
        ScopedCodePage cyrillic(1251);
        const std::string text = RtfToText(kWordPadDocument);
        EXPECT_NE(text.find("\xCF\xF0\xE8\xE2\xE5\xF2 ?"), std::string::npos) << text;
    }
    {
        ScopedCodePage centralEurope(1250);
        const std::string text = RtfToText(kWordPadDocument);
        EXPECT_NE(text.find("?????? \xB9\r\n"), std::string::npos) << text;
    }
}

TEST(RtfReaderTest, DocumentCodePageDecodesHexEscapesAndRawBytes) {
    ScopedCodePage westernEurope(1252);
    // Mac Roman 0x8E is e-acute; in the system code page that is 0xE9.
    EXPECT_EQ(RtfToText("{\\rtf1\\mac caf\\'8e}"), "caf\xE9");
    // Raw 8-bit bytes in the file are read in the document's code page too.
    EXPECT_EQ(RtfToText("{\\rtf1\\ansi\\ansicpg1251 \xCF}"), "?");
    EXPECT_EQ(RtfToText("{\\rtf1\\ansi \xE9t\xE9}"), "\xE9t\xE9");
    // A double-byte character (Shift-JIS hiragana a) is one character, not two.
    EXPECT_EQ(RtfToText("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0!}"), "?!");
}

TEST(RtfReaderTest, HebrewLetterAtTheEndOfARunIsNotLost) {
    // Code page 1255 holds a letter back in case a combining mark follows it.
    ScopedCodePage hebrew(1255);
    EXPECT_EQ(RtfToText("{\\rtf1\\ansi\\ansicpg1255 \\'f9\\'ec\\'e5\\'ed}"), "\xF9\xEC\xE5\xED");
}

TEST(RtfReaderTest, UnicodeEscapesSkipTheirFallbackPerGroup) {
    ScopedCodePage westernEurope(1252);
    // Em dash with its 8-bit fallback, as word processors write it.
    EXPECT_EQ(RtfToText("{\\rtf1\\uc1 a\\u8212\\'97b}"),
              "a\x97"
              "b");
    // Two fallback characters; the count is inherited by inner groups and
    // ends with the group that set it.
    EXPECT_EQ(RtfToText("{\\rtf1{\\uc2 {\\u8364 xyz}\\u8364\\'80\\'80w}\\u8364?v}"), "\x80z\x80w\x80v");
    // \uc0: no fallback at all.
    EXPECT_EQ(RtfToText("{\\rtf1\\uc0\\u233 x}"), "\xE9x");
    // Negative parameters are 16-bit units; characters the code page lacks
    // become a question mark, a surrogate pair becomes one.
    EXPECT_EQ(RtfToText("{\\rtf1\\u-4064?\\u1055?|\\u-10179?\\u-8704?}"), "??|?");
    // A control word inside the fallback counts as one character.
    EXPECT_EQ(RtfToText("{\\rtf1\\u8220\\ldblquote Hi\\u8221\\rdblquote}"), "\x93Hi\x94");
}

TEST(RtfReaderTest, TypographicControlWordsAndEscapedSymbols) {
    {
        ScopedCodePage westernEurope(1252);
        EXPECT_EQ(RtfToText("{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}"),
                  "\x97\x96\x91\x92\x93\x94\x95");
        EXPECT_EQ(RtfToText("{\\rtf1 \\{a\\}\\\\b\\~c\\-d\\_e\\tab f}"), "{a}\\b cd-e\tf");
    }
    {
        // Characters that no Windows code page holds get an ASCII stand-in.
        ScopedCodePage cyrillic(1251);
        EXPECT_EQ(RtfToText("{\\rtf1 \\emdash}"), "\x97");
        EXPECT_EQ(RtfToText("{\\rtf1\\uc0 \\u8208\\u8242\\u8243}"), "-'\"");
    }
}

TEST(RtfReaderTest, NonTextDestinationsAreLeftOut) {
    ScopedCodePage westernEurope(1252);
    const std::string document =
        "{\\rtf1\\ansi{\\fonttbl\\f0\\froman Times;\\f1\\fswiss Helvetica;}"
        "{\\stylesheet{\\s0 Normal;}{\\*\\cs10 Default Paragraph Font;}}"
        "{\\info{\\title Secret title}{\\author A. Writer}{\\creatim\\yr2024\\mo1\\dy2}}"
        "{\\header\\pard Page header\\par}{\\footer\\pard Page footer\\par}"
        "{\\*\\listtable{\\list{\\listlevel{\\leveltext\\'01\\u-3913 ?;}}}}"
        "\\pard{\\listtext\\f1 \\'b7\\tab}Item one\\par"
        "{\\pntext\\f1 1.\\tab}Item two{\\v  hidden note}\\par "
        "See {\\field{\\*\\fldinst{HYPERLINK \"http://example.org\"}}{\\fldrslt{\\ul\\cf1 the site}}}.\\par "
        "Note{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Footnote text.}\\par"
        "{\\*\\bkmkstart mark}x{\\*\\bkmkend mark}"
        "}";
    EXPECT_EQ(RtfToText(document), "Item one\r\nItem two\r\nSee the site.\r\nNote\r\nx");
}

TEST(RtfReaderTest, PicturesAndBinaryDataAreSkipped) {
    ScopedCodePage westernEurope(1252);
    const std::string document =
        std::string(
            "{\\rtf1 Before {\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn shapeType}{\\sv 75}}}"
            "\\pngblip\\picw20\\pich20 89504e470d0a1a0a0000000d49484452\r\n0000001400000014}}"
            "{\\nonshppict{\\pict\\wmetafile8\\picw20 010009000003}}"
            "{\\pict\\wmetafile8\\bin12 ") +
        std::string("{}\\\x00\xFF}{\\par\\", 12) +
        "}after\\par"
        "{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0105000002}{\\result{\\pict 0a}}}end}";
    EXPECT_EQ(RtfToText(document), "Before after\r\nend");
}

TEST(RtfReaderTest, TablesGiveOneLinePerRowWithTabsBetweenCells) {
    EXPECT_EQ(RtfToText("{\\rtf1\\trowd\\cellx1000\\cellx2000 \\intbl a\\cell b\\cell\\row"
                        "\\trowd\\intbl c\\cell d\\cell\\row}"),
              "a\tb\r\nc\td\r\n");
}

TEST(RtfReaderTest, LineEndsOfTheFileAreNotText) {
    EXPECT_EQ(RtfToText("{\\rtf1 one\r\ntwo\ttab\\\r\nthree\\\nfour}"), "onetwo\ttab\r\nthree\r\nfour");
}

TEST(RtfReaderTest, MalformedInputNeverFails) {
    EXPECT_EQ(RtfToText("{\\rtf1 unclosed {\\b group"), "unclosed group");
    EXPECT_EQ(RtfToText("{\\rtf1 a}}}b{"), "ab");
    EXPECT_EQ(RtfToText("{\\rtf1 x\\'4"), "x");  // truncated hex escape (a control code)
    EXPECT_EQ(RtfToText("{\\rtf1 x\\'"), "x");
    EXPECT_EQ(RtfToText("{\\rtf1 x\\'zz}"), "xzz");  // no hex digits: the escape is dropped
    EXPECT_EQ(RtfToText("{\\rtf1 x\\"), "x");
    EXPECT_EQ(RtfToText("{\\rtf1 x\\bin2147483647 "), "x");
    EXPECT_EQ(RtfToText("{\\rtf1 x\\bin-5 y}"), "xy");
    EXPECT_EQ(RtfToText("{\\rtf1 x\\u}"), "x");
    EXPECT_EQ(RtfToText("{\\rtf1\\fs99999999999999999999 big\\uc-3\\u65 B}"), "bigAB");
    EXPECT_EQ(RtfToText(""), "");
    EXPECT_EQ(RtfToText(std::string(100000, '{') + "deep" + std::string(100000, '}') + "!"), "deep!");
    EXPECT_EQ(RtfToText(std::string(100000, '{') + "\\fonttbl" + std::string(100000, '}') + "shown"),
              "shown");
}

TEST(RtfReaderTest, RecognisesRichTextByItsBeginning) {
    EXPECT_TRUE(LooksLikeRtf("{\\rtf1\\ansi x}"));
    EXPECT_TRUE(LooksLikeRtf("\xEF\xBB\xBF\r\n {\\rtf1}"));
    EXPECT_FALSE(LooksLikeRtf("{\\rt"));
    EXPECT_FALSE(LooksLikeRtf("Plain text {\\rtf1}"));
    EXPECT_FALSE(LooksLikeRtf(""));
}

}  // namespace
}  // namespace zq
