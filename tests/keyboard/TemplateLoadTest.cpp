#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "TemplateArchive.h"
#include "base/LibraryError.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ZipArchive.h"

namespace zq {
namespace {

using namespace std::string_literals;
using testing::ArchiveEntry;
using testing::CharRow;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::KeyRow;
using ::testing::ThrowsMessage;

const std::string kReadme =
    "bkcolor=$C0C0C0\r\nAuthor=ZQ team\r\nmisc= spare \r\nLLittle=40\r\nLRing=55\r\nRThumb=35\r\n"
    "LLittlex=7\r\nRIndexColor=255\r\n";

std::vector<std::string> Column(DataTable& table, std::string_view field) {
    std::vector<std::string> values;
    for (table.First(); !table.Eof(); table.Next()) values.push_back(table.AsString(field));
    return values;
}

class TemplateLoad : public ::testing::Test {
protected:
    std::string MakeTemplate(const std::vector<ArchiveEntry>& entries,
                             const std::string& name = "layout.zqt") {
        testing::WriteZip(folder.File(name), entries);
        return folder.File(name);
    }

    // A template with three keys, four character rows and kReadme.
    std::vector<ArchiveEntry> StandardEntries() const {
        return {{"key.cds", testing::KeyPacket({KeyRow("b", 2), KeyRow("a", 1), KeyRow("B", 3)})},
                {"char.cds", testing::CharPacket({CharRow("b", 98, 2), CharRow("a shift", 97, 1, true),
                                                  CharRow("a", 97, 1), CharRow("B", 66, 3)})},
                {"readme", kReadme}};
    }

    // Loads a first template so that later tests can see what stays.
    void LoadFirstTemplate() {
        ASSERT_TRUE(store.LoadTemplate(MakeTemplate(
            {{"key.cds", testing::KeyPacket({KeyRow("old", 99)})},
             {"char.cds", testing::CharPacket({CharRow("old", 1, 99)})},
             {"readme", "bkcolor=1\nAuthor=Old\nmisc=old\nLThumb=11\nLThumbx=12\nLThumbColor=13\n"s}},
            "first.zqt")));
    }

    void ExpectFirstSettings() {
        EXPECT_EQ(store.IntSetting("bkcolor"), 1);
        EXPECT_EQ(store.TextSetting("Author"), "Old");
        EXPECT_EQ(store.TextSetting("misc"), "old");
        EXPECT_EQ(store.IntSetting("LThumb"), 11);
        EXPECT_EQ(store.IntSetting("LThumbx"), 12);
        EXPECT_EQ(store.IntSetting("LThumbColor"), 13);
    }

    test::TempFolder folder;
    TDataMod store;
};

TEST_F(TemplateLoad, NewStoreHasEmptyTablesWithTheirFields) {
    EXPECT_EQ(store.MainTbl.RowCount(), 0);
    EXPECT_EQ(store.Ctbl.RowCount(), 0);
    EXPECT_EQ(store.MainTbl.Fields().size(), 11u);
    EXPECT_EQ(store.Ctbl.Fields().size(), 6u);
    EXPECT_EQ(store.MainTbl.AsInteger("KeyValue"), 0);
    EXPECT_EQ(store.IntSetting("bkcolor"), 0);
    EXPECT_EQ(store.IntSetting("RLittleColor"), 0);
    EXPECT_EQ(store.TextSetting("Author"), "");
}

TEST_F(TemplateLoad, ReadsTablesInTheirOrderAndTheSettings) {
    ASSERT_TRUE(store.LoadTemplate(MakeTemplate(StandardEntries())));
    EXPECT_THAT(Column(store.MainTbl, "Name"), ElementsAre("B", "a", "b"));
    EXPECT_THAT(Column(store.Ctbl, "Name"), ElementsAre("B", "a shift", "a", "b"));

    ASSERT_TRUE(store.MainTbl.Locate("KeyValue", 2));
    EXPECT_EQ(store.MainTbl.RecNo(), 3);
    ASSERT_TRUE(store.Ctbl.Locate("Code", 97));  // of two rows with code 97, the one stored first
    EXPECT_EQ(store.Ctbl.AsString("Name"), "a shift");
    EXPECT_TRUE(store.Ctbl.AsBoolean("Shift"));

    EXPECT_EQ(store.IntSetting("bkcolor"), 0xC0C0C0);
    EXPECT_EQ(store.TextSetting("Author"), "ZQ team");
    EXPECT_EQ(store.TextSetting("misc"), " spare ");
    EXPECT_EQ(store.IntSetting("LLittle"), 40);
    EXPECT_EQ(store.IntSetting("lring"), 55);
    EXPECT_EQ(store.IntSetting("RThumb"), 35);
    EXPECT_EQ(store.IntSetting("LLittlex"), 7);
    EXPECT_EQ(store.IntSetting("RIndexColor"), 255);
    EXPECT_EQ(store.IntSetting("RIndex"), 0);
}

TEST_F(TemplateLoad, EntryNamesIgnoreCaseButMustBeAtTheTop) {
    auto entries = StandardEntries();
    for (auto& entry : entries) entry.name = testing::AsciiUpper(entry.name);
    ASSERT_TRUE(store.LoadTemplate(MakeTemplate(entries, "LAYOUT.ZQT")));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
    EXPECT_EQ(store.Ctbl.RowCount(), 4);
    EXPECT_EQ(store.IntSetting("bkcolor"), 0xC0C0C0);

    LoadFirstTemplate();
    entries = StandardEntries();
    for (auto& entry : entries) entry.name = "layout/" + entry.name;
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_THAT(Column(store.MainTbl, "Name"), ElementsAre("old"));
    EXPECT_THAT(Column(store.Ctbl, "Name"), ElementsAre("old"));
    ExpectFirstSettings();
}

TEST_F(TemplateLoad, MissingOrEmptyCharacterTableKeepsThePreviousOne) {
    LoadFirstTemplate();
    auto entries = StandardEntries();
    entries.erase(entries.begin() + 1);
    ASSERT_TRUE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
    EXPECT_THAT(Column(store.Ctbl, "Name"), ElementsAre("old"));
    EXPECT_EQ(store.IntSetting("bkcolor"), 0xC0C0C0);

    entries = StandardEntries();
    entries[0].bytes.clear();  // an empty key.cds
    ASSERT_TRUE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
    EXPECT_EQ(store.Ctbl.RowCount(), 4);
}

TEST_F(TemplateLoad, MissingOrNonZipFileChangesNothingAndCreatesNothing) {
    LoadFirstTemplate();
    EXPECT_FALSE(store.LoadTemplate(folder.File("missing.zqt")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.zqt")));

    folder.Write("layout.zqt", "bkcolor=255\r\n");
    EXPECT_FALSE(store.LoadTemplate(folder.File("layout.zqt")));
    EXPECT_EQ(folder.Read("layout.zqt"), "bkcolor=255\r\n");
    EXPECT_FALSE(store.LoadTemplate(folder.Dir()));

    EXPECT_EQ(store.MainTbl.RowCount(), 1);
    EXPECT_EQ(store.Ctbl.RowCount(), 1);
    ExpectFirstSettings();
}

TEST_F(TemplateLoad, BackgroundColorNumbers) {
    const std::vector<std::pair<std::string, std::int32_t>> accepted = {
        {"$FF0000", 16711680}, {"0xFF", 255}, {"16711680", 16711680}, {" 255", 255}, {"X00ff00", 65280}};
    for (const auto& [text, color] : accepted) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(store.LoadTemplate(MakeTemplate({{"readme", "bkcolor=" + text + "\r\n"}})));
        EXPECT_EQ(store.IntSetting("bkcolor"), color);
    }
    for (const std::string text : {"255 ", "", "blue", "$", "4294967296"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(store.LoadTemplate(MakeTemplate({{"readme", "bkcolor=" + text + "\r\n"}})));
    }
    ASSERT_TRUE(store.LoadTemplate(MakeTemplate({{"readme", "BKCOLOR=7"s}})));
    EXPECT_EQ(store.IntSetting("bkcolor"), 7);
}

TEST_F(TemplateLoad, SettingLinesFirstWinsAndKeysAreNotTrimmed) {
    const std::string readme =
        "LThumb=30\nLThumb=40\rbkcolor=1\r\nLRing=abc\nRThumb = 30\nno equals sign\nmisc=a=b\n\0Author=late"s;
    ASSERT_TRUE(store.LoadTemplate(MakeTemplate({{"readme", readme}})));
    EXPECT_EQ(store.IntSetting("LThumb"), 30);
    EXPECT_EQ(store.IntSetting("LRing"), 0);
    EXPECT_EQ(store.IntSetting("RThumb"), 0);
    EXPECT_EQ(store.TextSetting("misc"), "a=b");
    EXPECT_EQ(store.TextSetting("Author"), "");  // the text ended at the NUL
}

TEST_F(TemplateLoad, ReadmeWithoutBackgroundColorKeepsNewTablesAndOldSettings) {
    LoadFirstTemplate();
    auto entries = StandardEntries();
    entries[2].bytes = "Author=New\r\nLThumb=50\r\n";
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
    EXPECT_EQ(store.Ctbl.RowCount(), 4);
    ExpectFirstSettings();

    entries.pop_back();  // no readme at all
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(entries)));
    ExpectFirstSettings();
}

TEST_F(TemplateLoad, DamagedPacketClosesItsTableUntilATemplateLoadsIt) {
    LoadFirstTemplate();
    auto entries = StandardEntries();
    entries[0].bytes.resize(entries[0].bytes.size() - 1);
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_FALSE(store.MainTbl.IsOpen());
    EXPECT_THAT([&] { store.MainTbl.First(); },
                ThrowsMessage<LibraryError>(HasSubstr("Cannot perform this operation on a closed dataset")));
    EXPECT_THAT(Column(store.Ctbl, "Name"), ElementsAre("old"));  // the reading stopped before it
    ExpectFirstSettings();

    entries = StandardEntries();
    entries.erase(entries.begin());  // no key.cds: the table stays closed
    EXPECT_TRUE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_FALSE(store.MainTbl.IsOpen());

    ASSERT_TRUE(store.LoadTemplate(MakeTemplate(StandardEntries())));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
}

TEST_F(TemplateLoad, PacketWithoutTheOrderingFieldCannotBeLoaded) {
    auto entries = StandardEntries();
    entries[1].bytes = WriteDatasetPacket({StringField("Name", 30)}, {{"x"s}});
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(entries)));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
    EXPECT_FALSE(store.Ctbl.IsOpen());
}

// The character table where the key table belongs (or the other way
// round) has the ordering field but not the fields the keyboard reads: such
// a template cannot be read, instead of failing later at every log-on.
TEST_F(TemplateLoad, TablesSwappedOrWithoutTheFieldsTheKeyboardReadsCannotBeLoaded) {
    auto swapped = StandardEntries();
    std::swap(swapped[0].bytes, swapped[1].bytes);
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(swapped)));
    EXPECT_FALSE(store.MainTbl.IsOpen());

    auto withoutPlace = StandardEntries();
    withoutPlace[0].bytes = WriteDatasetPacket({StringField("Name", 20, true), IntegerField("KeyValue")},
                                               {{"a"s, std::int32_t{1}}});
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(withoutPlace)));
    EXPECT_FALSE(store.MainTbl.IsOpen());

    ASSERT_TRUE(store.LoadTemplate(MakeTemplate(StandardEntries())));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
}

TEST_F(TemplateLoad, HostileEntriesFailTheirStep) {
    LoadFirstTemplate();
    const std::string zeros(ZipArchive::kMaxEntrySize + 1, '\0');  // deflates to a few kilobytes
    auto entries = StandardEntries();
    entries[1].bytes = zeros;
    const std::string path = MakeTemplate(entries);
    ASSERT_LT(std::filesystem::file_size(path), 100000u);
    EXPECT_FALSE(store.LoadTemplate(path));
    EXPECT_EQ(store.MainTbl.RowCount(), 3);
    EXPECT_THAT(Column(store.Ctbl, "Name"), ElementsAre("old"));

    entries = StandardEntries();
    entries[2].bytes = kReadme + zeros;
    EXPECT_FALSE(store.LoadTemplate(MakeTemplate(entries)));
    ExpectFirstSettings();
}

TEST_F(TemplateLoad, EntryThatDoesNotInflateToItsStatedSizeFails) {
    const std::string path = MakeTemplate({{"readme", kReadme}});
    std::string bytes = folder.Read("layout.zqt");
    // Uncompressed size in the central directory and in the local header.
    const size_t central = bytes.find("PK\x01\x02"s);
    ASSERT_NE(central, std::string::npos);
    for (size_t at : {size_t{22}, central + 24}) bytes[at] = static_cast<char>(bytes[at] + 5);
    folder.Write("layout.zqt", bytes);

    const ZipArchive archive(path);
    ASSERT_TRUE(archive.IsOpen());
    EXPECT_EQ(archive.Extract("readme").status, ZipArchive::Status::Failed);
    EXPECT_FALSE(store.LoadTemplate(path));
}

TEST(GlyphBitmap, HeaderIsSkippedOnlyWhenItMatchesExactly) {
    const std::string bitmap = "BM" + std::string(60, '\x11');
    const std::string header = "\x01\x00\x00\x01"s + "\x3E\x00\x00\x00"s;  // 1, 0x0100, length 62
    EXPECT_EQ(GlyphBitmapBytes(bitmap), bitmap);
    EXPECT_EQ(GlyphBitmapBytes(header + bitmap), bitmap);

    const std::string wrongLength = "\x01\x00\x00\x01"s + "\x3D\x00\x00\x00"s;
    EXPECT_EQ(GlyphBitmapBytes(wrongLength + bitmap), wrongLength + bitmap);
    const std::string wrongWord = "\x01\x00\x01\x00"s + "\x3E\x00\x00\x00"s;
    EXPECT_EQ(GlyphBitmapBytes(wrongWord + bitmap), wrongWord + bitmap);
    EXPECT_EQ(GlyphBitmapBytes(header), header);  // its length value is not 0
    const std::string emptyPicture = "\x01\x00\x00\x01\x00\x00\x00\x00"s;
    EXPECT_EQ(GlyphBitmapBytes(emptyPicture), "");
    EXPECT_EQ(GlyphBitmapBytes("\x01\x00\x00\x01"s), "\x01\x00\x00\x01"s);
}

TEST(GlyphBitmap, StoredWithAndWithoutHeaderInATemplateGiveTheSamePicture) {
    test::TempFolder folder;
    const std::string bitmap = "BM" + std::string(20, '\x22');
    const std::string withHeader = "\x01\x00\x00\x01\x16\x00\x00\x00"s + bitmap;
    const std::string path = folder.File("layout.zqt");
    testing::WriteZip(
        path, {{"key.cds", testing::KeyPacket({KeyRow("a", 1, 0, bitmap), KeyRow("b", 2, 0, withHeader)})},
               {"readme", "bkcolor=0"}});
    TDataMod store;
    ASSERT_TRUE(store.LoadTemplate(path));
    store.MainTbl.First();
    const std::string first = store.MainTbl.AsString("Glyph");
    store.MainTbl.Next();
    const std::string second = store.MainTbl.AsString("Glyph");
    EXPECT_EQ(GlyphBitmapBytes(first), GlyphBitmapBytes(second));
    EXPECT_EQ(GlyphBitmapBytes(second), bitmap);
}

}  // namespace
}  // namespace zq
