#include "base/IniFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "../support/TempFolder.h"
#include "../support/Utf16Bytes.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using test::TempFolder;

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.File("settings.ini");
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
    IniFile missing(folder.File("none.ini"));
    EXPECT_EQ(missing.ReadString("General", "User", "Default"), "Default");
    EXPECT_EQ(missing.ReadInteger("General", "Size", 7), 7);
    EXPECT_TRUE(missing.SectionNames().empty());
    EXPECT_TRUE(missing.ReadSection("General").empty());

    folder.Write("settings.ini", "[General]\nUser=Anna\nEmpty=\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Other", "User", "x"), "x");
    EXPECT_EQ(ini.ReadString("General", "Font", "x"), "x");
    // A key that is present with no value is an empty text, not a default.
    EXPECT_EQ(ini.ReadString("General", "Empty", "x"), "");
    EXPECT_EQ(ini.ReadInteger("General", "Empty", 3), 3);
}

TEST_F(IniFileTest, NamesMatchWithoutCaseAndBlanksAroundNamesAndValuesAreDropped) {
    folder.Write("settings.ini", "[ General ]\r\n  FontName =  Sans Serif  \r\nfontcharset=0x10\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("GENERAL", "fontname", ""), "Sans Serif");
    EXPECT_EQ(ini.ReadInteger("general", "FontCharset", 1), 16);
    EXPECT_TRUE(ini.ValueExists("General", "FONTNAME"));
    EXPECT_EQ(ini.ReadSection("general"),
              (std::vector<std::string>{"FontName=Sans Serif", "fontcharset=0x10"}));
}

TEST_F(IniFileTest, ValueIsEverythingAfterTheFirstEqualsSignAndTheFirstKeyCounts) {
    folder.Write("settings.ini",
                 "[S]\nFormula=a=b\nKey=first\nkey=second\n; Key=comment\n[s]\nKey=third\n[T]\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "Formula", ""), "a=b");
    EXPECT_EQ(ini.ReadString("s", "KEY", ""), "first");
    EXPECT_EQ(ini.ReadSection("S"), (std::vector<std::string>{"Formula=a=b", "Key=first", "key=second"}));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"S", "T"}))
        << "[s] is [S] again and cannot be reached";
}

TEST_F(IniFileTest, ASectionRepeatedUnderANameOfOtherCaseIsListedOnceAndToldWithBothLines) {
    const std::string text = "[Anna]\nProgress=1\n[Ben]\n\n[anna]\nProgress=50\n[BEN]\n[ANNA]\n";
    folder.Write("settings.ini", text);
    const IniFile ini(path);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Anna", "Ben"}));
    const std::vector<IniFile::RepeatedSection> repeats = ini.RepeatedSections();
    ASSERT_EQ(repeats.size(), 3U);
    EXPECT_EQ(repeats[0].name, "anna");
    EXPECT_EQ(repeats[0].line, 5U);
    EXPECT_EQ(repeats[0].firstName, "Anna");
    EXPECT_EQ(repeats[0].firstLine, 1U);
    EXPECT_EQ(repeats[1].name, "BEN");
    EXPECT_EQ(repeats[1].line, 7U);
    EXPECT_EQ(repeats[1].firstLine, 3U);
    EXPECT_EQ(repeats[2].line, 8U);
    EXPECT_EQ(repeats[2].firstLine, 1U);
    EXPECT_EQ(ini.ReadInteger("ANNA", "Progress", 0), 1) << "the first section counts";
    EXPECT_EQ(folder.Read("settings.ini"), text) << "nothing is changed";
    EXPECT_TRUE(IniFile(folder.File("none.ini")).RepeatedSections().empty());
}

TEST_F(IniFileTest, IntegersAndBooleansFallBackToTheDefaultWhenTheyDoNotParse) {
    folder.Write("settings.ini", "[G]\nA=abc\nB=$FF\nC=0\nD=7\nE=-2147483633\nF=12x\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("G", "A", 1), 1);
    EXPECT_EQ(ini.ReadInteger("G", "B", 1), 255);
    EXPECT_EQ(ini.ReadInteger("G", "E", 0), -2147483633);
    EXPECT_EQ(ini.ReadInteger("G", "F", 4), 4);
    EXPECT_FALSE(ini.ReadBool("G", "C", true));
    EXPECT_TRUE(ini.ReadBool("G", "D", false));
    EXPECT_TRUE(ini.ReadBool("G", "A", true));
    EXPECT_FALSE(ini.ReadBool("G", "A", false));
}

TEST_F(IniFileTest, WritingChangesOnlyItsOwnLines) {
    const std::string original =
        "; written by hand\r\n"
        "[General]\r\n"
        "User = Anna\r\n"
        "Unknown=  keep  me  \r\n"
        "\r\n"
        "[Other]\r\n"
        "X=1\r\n";
    folder.Write("settings.ini", original);
    IniFile ini(path);
    ini.WriteString("general", "USER", "Bob");
    ini.WriteInteger("General", "FontCharset", 0);
    ini.WriteBool("Other", "Flag", true);
    EXPECT_EQ(folder.Read("settings.ini"),
              "; written by hand\r\n"
              "[General]\r\n"
              "USER=Bob\r\n"
              "Unknown=  keep  me  \r\n"
              "FontCharset=0\r\n"
              "\r\n"
              "[Other]\r\n"
              "X=1\r\n"
              "Flag=1\r\n");
}

TEST_F(IniFileTest, NewSectionsGoAtTheEndInTheOrderWritten) {
    folder.Write("settings.ini", "[B]\nx=1");  // no final line break
    IniFile ini(path);
    ini.WriteValues("C", {{"One", "1"}, {"Two", "2"}});
    ini.WriteString("A", "Key", "v");
    EXPECT_EQ(folder.Read("settings.ini"), "[B]\nx=1\n\n[C]\nOne=1\nTwo=2\n\n[A]\nKey=v\n");
    EXPECT_EQ(IniFile(path).SectionNames(), (std::vector<std::string>{"B", "C", "A"}));
}

TEST_F(IniFileTest, WritesCreateTheFileAndReadBackThroughANewObject) {
    IniFile ini(path);
    ini.WriteString("General", "User", "Default");
    EXPECT_EQ(IniFile(path).ReadString("General", "User", ""), "Default");
    EXPECT_EQ(folder.Read("settings.ini"), "[General]\nUser=Default\n");
}

TEST_F(IniFileTest, EraseSectionRemovesItsLinesOnly) {
    folder.Write("settings.ini", "[Anna]\nA=1\n; note\n[Bob]\nB=2\n[Carl]\nC=3\n");
    IniFile ini(path);
    ini.EraseSection("BOB");
    EXPECT_EQ(folder.Read("settings.ini"), "[Anna]\nA=1\n; note\n[Carl]\nC=3\n");
    ini.EraseSection("nobody");
    ini.DeleteKey("Anna", "a");
    EXPECT_EQ(folder.Read("settings.ini"), "[Anna]\n; note\n[Carl]\nC=3\n");
}

TEST_F(IniFileTest, LineBreaksInNamesOrValuesCannotForgeOtherLines) {
    IniFile ini(path);
    ini.WriteString("General", "User", "Eve\n[Admin]\nRoot=1");
    IniFile reread(path);
    EXPECT_EQ(reread.SectionNames(), (std::vector<std::string>{"General"}));
    EXPECT_EQ(reread.ReadString("General", "User", ""), "Eve [Admin] Root=1");
}

// A name is stored without blanks around it and with line breaks as
// blanks; the same name given again must find what was written, not add a
// second section or key.
TEST_F(IniFileTest, NamesWithBlanksOrLineBreaksFindWhatTheyWrote) {
    IniFile ini(path);
    ini.WriteString(" Anna ", "Course ", "English");
    ini.WriteString(" Anna ", "Course ", "German");
    ini.WriteString("Tom\nSmith", "Progress", "3");
    ini.WriteString("Tom\nSmith", "Progress", "4");
    EXPECT_EQ(ini.ReadString(" Anna ", "Course ", ""), "German");
    EXPECT_EQ(ini.ReadString("Tom\nSmith", "Progress", ""), "4");
    const IniFile reread(path);
    EXPECT_EQ(reread.SectionNames(), (std::vector<std::string>{"Anna", "Tom Smith"}));
    EXPECT_EQ(reread.ReadSection("Anna"), (std::vector<std::string>{"Course=German"}));
    EXPECT_EQ(reread.ReadSection("tom smith"), (std::vector<std::string>{"Progress=4"}));
}

TEST_F(IniFileTest, SectionNameHoldingABracketReadsBack) {
    IniFile ini(path);
    ini.WriteString("Tom [2]", "Course", "English");
    EXPECT_EQ(IniFile(path).SectionNames(), (std::vector<std::string>{"Tom [2]"}));
    EXPECT_EQ(IniFile(path).ReadString("tom [2]", "Course", ""), "English");
}

TEST_F(IniFileTest, Utf8FilesAreReadIntoTheCodePageAndStayUtf8) {
    folder.Write("settings.ini", "\xEF\xBB\xBF[Zo\xC3\xAB]\nName=Fran\xC3\xA7oise\nRu=\xD0\x96\n");
    IniFile ini(path);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Zo\xEB"}));
    EXPECT_EQ(ini.ReadString("Zo\xEB", "Name", ""), "Fran\xE7oise");
    EXPECT_EQ(ini.ReadString("Zo\xEB", "Ru", ""), "?");  // not in code page 1252
    ini.WriteString("Zo\xEB", "City", "K\xF6ln");
    EXPECT_EQ(folder.Read("settings.ini"),
              "\xEF\xBB\xBF[Zo\xC3\xAB]\nName=Fran\xC3\xA7oise\nRu=\xD0\x96\nCity=K\xC3\xB6ln\n");
}

TEST_F(IniFileTest, EightBitFilesStayInTheCodePage) {
    folder.Write("settings.ini", "[Zo\xEB]\nName=Fran\xE7oise\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("zo\xEB", "Name", ""), "Fran\xE7oise");
    ini.WriteString("Zo\xEB", "City", "K\xF6ln");
    EXPECT_EQ(folder.Read("settings.ini"), "[Zo\xEB]\nName=Fran\xE7oise\nCity=K\xF6ln\n");
}

// A folder's name may hold characters that the code page lacks ("Ελληνικά"
// under code page 1252): such values are read and written as UTF-8.
TEST_F(IniFileTest, Utf8ValuesOfAUtf8FileAreKeptAsTheyAre) {
    const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
    folder.Write("settings.ini", "[Zo\xC3\xAB]\nName=Fran\xC3\xA7oise\n");
    IniFile ini(path);
    ini.WriteValues("Zo\xEB", {{"Course", greek, true}, {"City", "K\xF6ln"}});
    EXPECT_EQ(folder.Read("settings.ini"),
              "[Zo\xC3\xAB]\nName=Fran\xC3\xA7oise\nCourse=" + greek + "\nCity=K\xC3\xB6ln\n");
    const IniFile reread(path);
    EXPECT_EQ(reread.ReadUtf8("Zo\xEB", "course"), greek);
    EXPECT_EQ(reread.ReadString("Zo\xEB", "Course", ""), "????????")
        << "8-bit readers see what they always saw";
    EXPECT_EQ(reread.ReadUtf8("Zo\xEB", "Name"), "Fran\xC3\xA7oise");
    EXPECT_EQ(reread.ReadUtf8("Zo\xEB", "Missing"), std::nullopt);
    EXPECT_EQ(reread.ReadSection("Zo\xEB", {"COURSE"}),
              (std::vector<std::string>{"Name=Fran\xE7oise", "Course=" + greek, "City=K\xF6ln"}));
}

TEST_F(IniFileTest, Utf8ValuesThatTheCodePageHoldsKeepAn8BitFile8Bit) {
    folder.Write("settings.ini", "[S]\nName=Fran\xE7oise\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadUtf8("S", "Name"), "Fran\xC3\xA7oise");
    ini.WriteValues("S", {{"Course", "Espa\xC3\xB1ol", true}});
    EXPECT_EQ(folder.Read("settings.ini"), "[S]\nName=Fran\xE7oise\nCourse=Espa\xF1ol\n");
    EXPECT_EQ(IniFile(path).ReadSection("S", {"Course"}),
              (std::vector<std::string>{"Name=Fran\xE7oise", "Course=Espa\xC3\xB1ol"}));
}

TEST_F(IniFileTest, AUtf8ValueTheCodePageLacksTurnsAn8BitFileUtf8WithEveryValueReadingAsBefore) {
    const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
    folder.Write("settings.ini", "[Zo\xEB]\r\nName=Fran\xE7oise\r\n");
    IniFile ini(path);
    ini.WriteValues("Zo\xEB", {{"Course", greek, true}});
    EXPECT_EQ(folder.Read("settings.ini"),
              "[Zo\xC3\xAB]\r\nName=Fran\xC3\xA7oise\r\nCourse=" + greek + "\r\n");
    const IniFile reread(path);
    EXPECT_EQ(reread.ReadString("Zo\xEB", "Name", ""), "Fran\xE7oise");
    EXPECT_EQ(reread.ReadUtf8("Zo\xEB", "Course"), greek);
}

// A profile file saved as "Unicode" by a Windows editor: its users are
// read, and a write keeps the file in UTF-16 with its mark.
TEST_F(IniFileTest, Utf16FilesAreReadAndStayUtf16) {
    const std::u16string text =
        u"[Zo\u00EB]\r\nName=Fran\u00E7oise\r\nCourse=\u0395\u03BB\r\nMark=\U0001F600\r\n";
    for (const bool bigEndian : {false, true}) {
        folder.Write("settings.ini", test::Utf16Bytes(text, bigEndian));
        IniFile ini(path);
        EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Zo\xEB"}));
        EXPECT_EQ(ini.ReadString("Zo\xEB", "Name", ""), "Fran\xE7oise");
        EXPECT_EQ(ini.ReadUtf8("Zo\xEB", "Course"), "\xCE\x95\xCE\xBB");
        EXPECT_EQ(ini.ReadUtf8("Zo\xEB", "Mark"), "\xF0\x9F\x98\x80");
        ini.WriteString("Zo\xEB", "City", "K\xF6ln");
        EXPECT_EQ(folder.Read("settings.ini"), test::Utf16Bytes(text + u"City=K\u00F6ln\r\n", bigEndian));
        EXPECT_EQ(IniFile(path).ReadString("Zo\xEB", "City", ""), "K\xF6ln");
    }
}

// A file that begins as UTF-8 but holds a stray 8-bit byte further on is
// read in the code page; its byte order mark still hides no section.
TEST_F(IniFileTest, AByteOrderMarkNeverHidesTheFirstSection) {
    folder.Write("settings.ini", "\xEF\xBB\xBF[Default]\nProgress=12\nCourse=Fran\xE7\n");
    IniFile ini(path);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Default"}));
    EXPECT_EQ(ini.ReadInteger("Default", "Progress", 0), 12);
    ini.WriteString("Default", "Progress", "13");
    EXPECT_EQ(folder.Read("settings.ini"), "\xEF\xBB\xBF[Default]\nProgress=13\nCourse=Fran\xE7\n");
}

TEST_F(IniFileTest, NewFilesAreWrittenAsUtf8) {
    IniFile ini(path);
    ini.WriteString("General", "User", "Zo\xEB");
    EXPECT_EQ(folder.Read("settings.ini"), "[General]\nUser=Zo\xC3\xAB\n");
    EXPECT_EQ(IniFile(path).ReadString("General", "User", ""), "Zo\xEB");
}

// Old Mac files break their lines with a CR alone; so may the last line of
// any file. Such a CR ends a line, and what is read there is found again by
// a write.
TEST_F(IniFileTest, ALoneCarriageReturnEndsALine) {
    folder.Write("settings.ini", "[Mac]\rUser=Anna\rFont=Sans\r");
    IniFile ini(path);
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Mac"}));
    EXPECT_EQ(ini.ReadString("Mac", "User", ""), "Anna");
    ini.WriteString("Mac", "Font", "Serif");
    ini.WriteString("Mac", "Size", "12");
    EXPECT_EQ(folder.Read("settings.ini"), "[Mac]\rUser=Anna\rFont=Serif\rSize=12\r");

    // A section line ended by a final lone CR stays one section.
    folder.Write("last.ini", std::string("[A\r"));
    IniFile last(folder.File("last.ini"));
    ASSERT_EQ(last.SectionNames(), (std::vector<std::string>{"A"}));
    last.WriteString("A", "Key", "v");
    EXPECT_EQ(IniFile(folder.File("last.ini")).SectionNames(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(IniFile(folder.File("last.ini")).ReadString("A", "Key", ""), "v");
}

// Every section and key read from a file is found again under the name it
// was read with: writing to it changes it rather than adding another.
TEST_F(IniFileTest, WhatIsReadIsFoundAgainByAWrite) {
    for (const std::string content :
         {"[S\rT]\nK\rL=V\rW\n", "[A]\r\n[B]\rX=1\r\nY=2\n\r", "\r[C]\r\r\nZ=\r"}) {
        folder.Write("settings.ini", content);
        const IniFile before(path);
        IniFile ini(path);
        for (const std::string& section : before.SectionNames()) {
            for (const std::string& entry : before.ReadSection(section)) {
                const size_t equals = entry.find('=');
                ini.WriteString(section, entry.substr(0, equals), entry.substr(equals + 1) + "!");
            }
            ini.WriteString(section, "Added", "1");
        }
        const IniFile after(path);
        ASSERT_EQ(after.SectionNames(), before.SectionNames()) << content;
        for (const std::string& section : before.SectionNames()) {
            std::vector<std::string> expected;
            for (const std::string& entry : before.ReadSection(section)) expected.push_back(entry + "!");
            expected.push_back("Added=1");
            EXPECT_EQ(after.ReadSection(section), expected) << content;
        }
    }
}

// An 8-bit file keeps reading as it did when a write removes its last byte
// that is not UTF-8, although what is left would pass for UTF-8.
TEST_F(IniFileTest, AWriteNeverChangesHowTheRestOfTheFileReads) {
    const std::string copyright = "\xC2\xA9";  // "Â©" in code page 1252, "©" if taken as UTF-8
    folder.Write("settings.ini", "[S]\nMark=" + copyright + "\nName=Ren\xE9\nGone=\xE9\n");
    IniFile ini(path);
    ASSERT_EQ(ini.ReadString("S", "Mark", ""), copyright);
    ini.WriteString("S", "Name", "Rene");
    ini.DeleteKey("S", "Gone");
    EXPECT_EQ(ini.ReadString("S", "Mark", ""), copyright);
    const IniFile reread(path);
    EXPECT_EQ(reread.ReadString("S", "Mark", ""), copyright);
    EXPECT_EQ(reread.ReadString("S", "Name", ""), "Rene");
    EXPECT_FALSE(reread.ValueExists("S", "Gone"));
}

// Line breaks count when the encoding is judged: an 8-bit value whose last
// byte would start a UTF-8 sequence with the bytes of the next line (were
// the line break not there) keeps the file 8-bit, so that a byte the code
// page leaves undefined (0x90) is not lost to a needless conversion.
TEST_F(IniFileTest, An8BitFileStays8BitWhenOnlyJoinedLinesWouldPassForUtf8) {
    const std::string undefinedKey = "\xA5\xBD\xC2\x90";  // C2 90 is UTF-8, 0x90 has no character
    folder.Write("settings.ini", "[S]\r\nName=\xFF\r\n" + undefinedKey + "=kept\r\n");
    IniFile ini(path);
    ini.WriteString("S", "Name", "Ren\xE9");  // E9, then A5 BD after the line break
    const IniFile reread(path);
    EXPECT_EQ(reread.ReadString("S", undefinedKey, ""), "kept");
    EXPECT_EQ(reread.ReadString("S", "Name", ""), "Ren\xE9");
    EXPECT_EQ(folder.Read("settings.ini"), "[S]\r\nName=Ren\xE9\r\n" + undefinedKey + "=kept\r\n");
}

void ExpectUnableToWrite(const std::function<void()>& write, const std::string& path) {
    try {
        write();
        ADD_FAILURE() << "the write did not fail";
    } catch (const LibraryError& error) {
        EXPECT_THAT(std::string(error.what()), ::testing::StartsWith("Unable to write to " + path));
    }
}

// Root may write anywhere, so the failures below are ones that stop root too.

TEST_F(IniFileTest, AFullDiskLeavesTheOldFileIntactAndNothingBehind) {
    const std::string original = "[General]\nUser=Anna\nNote=" + std::string(100, 'n') + "\n";
    folder.Write("settings.ini", original);
    IniFile ini(path);

    // A file size limit fails writes as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &limit);
    ExpectUnableToWrite([&] { ini.WriteString("General", "User", "Bob"); }, path);
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(folder.Read("settings.ini"), original);
    EXPECT_EQ(folder.EntryCount(), 1u);
    // The failed change is not carried into the next write.
    ini.WriteString("General", "Font", "Sans");
    EXPECT_EQ(IniFile(path).ReadString("General", "User", ""), "Anna");
}

TEST_F(IniFileTest, AFolderThatCannotHoldTheFileRaisesTheMessage) {
    // The path's folder is a plain file.
    folder.Write("plain", "x");
    const std::string inside = folder.File("plain") + "/zq.ini";
    IniFile ini(inside);
    EXPECT_EQ(ini.ReadString("General", "User", "Default"), "Default");
    ExpectUnableToWrite([&] { ini.WriteString("General", "User", "Bob"); }, inside);
    EXPECT_EQ(folder.Read("plain"), "x");
}

TEST_F(IniFileTest, AnUnreadableFileIsNeverReplaced) {
    // The file's place is taken by a folder with something in it.
    std::filesystem::create_directory(path);
    folder.Write("settings.ini/keep", "data");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("General", "User", "Default"), "Default");
    ExpectUnableToWrite([&] { ini.WriteString("General", "User", "Bob"); }, path);
    ExpectUnableToWrite([&] { ini.EraseSection("General"); }, path);
    EXPECT_EQ(folder.Read("settings.ini/keep"), "data");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(IniFileTest, ReplacingKeepsPermissionsAndSymbolicLinks) {
    folder.Write("real.ini", "[A]\n");
    std::filesystem::permissions(folder.File("real.ini"), std::filesystem::perms(0640));
    std::filesystem::create_symlink(folder.File("real.ini"), path);
    IniFile(path).WriteString("A", "Key", "1");
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(folder.Read("real.ini"), "[A]\nKey=1\n");
    EXPECT_EQ(std::filesystem::status(folder.File("real.ini")).permissions(), std::filesystem::perms(0640));
}

}  // namespace
}  // namespace zq
