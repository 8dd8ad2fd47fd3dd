// zq-template build, dump and check, run as a program on templates and
// descriptions made in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "keyboard/DatasetPacket.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TemplateArchive.h"
#include "keyboard/ZipArchive.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using namespace std::string_literals;
using ::testing::HasSubstr;
using ::testing::Not;

struct ToolResult {
    int status = -1;  // exit status; -1 when the tool did not exit normally (a crash)
    std::string out, err;
};

ToolResult Tool(const test::TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = "'"s + ZQ_TEMPLATE_TOOL + "'";
    for (const auto& arg : args) command += " '" + arg + "'";
    command += " >'" + folder.File("tool.out") + "' 2>'" + folder.File("tool.err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.Read("tool.out"), folder.Read("tool.err")};
}

const std::string kDescription = R"(codepage 1252
# A small keyboard: comments and blank lines are ignored

readme bkcolor=$C0C0C0
readme Author=ZQ team
readme LThumb=30
readme misc= two  spaces kept

key "K16 Q" 16 1 0 0 72 40 36 36 Q "Letter Q"
key K02 2 2 0 0 10 10 36 36 "!\n1" "Digit one"   # a two-line cap
key "Touche \xC3\xA9" 3 2 2001 3 50 10 40 30 "\xC3\xA9" "e \"acute\""
key K99 99 8 0 10 90 10 60 36 "" "" picture=AQAAAQYAAABCTQABAgM=
char q 113 16 0 0 0
char "a second way to q" 113 2 1 1 0
char "e acute" 233 3 0 0 0
char "e acute, dead key" 233 2 0 0 2002
)";

// The rows of a loaded table in its order, each field as text.
std::vector<std::vector<std::string>> TableText(DataTable& table) {
    std::vector<std::vector<std::string>> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        std::vector<std::string> row;
        for (const auto& field : table.Fields()) row.push_back(table.AsString(field.name));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::uint32_t U32(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The colour (0xRRGGBB) of a pixel of a 24-bit bottom-up bitmap file.
std::uint32_t PixelOf(const std::string& bmp, int x, int yFromBottom) {
    const std::uint32_t width = U32(bmp, 18);
    const size_t rowBytes = (width * 3 + 3) / 4 * 4;
    const size_t at = U32(bmp, 10) + static_cast<size_t>(yFromBottom) * rowBytes + static_cast<size_t>(x) * 3;
    return static_cast<unsigned char>(bmp[at + 2]) << 16 | static_cast<unsigned char>(bmp[at + 1]) << 8 |
           static_cast<unsigned char>(bmp[at]);
}

class TemplateCommands : public ::testing::Test {
protected:
    std::string Build(const std::string& description, const std::string& name = "layout.zqt") {
        folder.Write(name + "d", description);
        const ToolResult run = Tool(folder, {"build", folder.File(name + "d"), folder.File(name)});
        EXPECT_EQ(run.status, 0) << run.err;
        return folder.File(name);
    }

    test::TempFolder folder;
};

TEST_F(TemplateCommands, BuildMakesTheTablesAndSettingsOfTheDescription) {
    TDataMod store;
    ASSERT_TRUE(store.LoadTemplate(Build(kDescription)));
    EXPECT_EQ(store.IntSetting("bkcolor"), 0xC0C0C0);
    EXPECT_EQ(store.TextSetting("Author"), "ZQ team");
    EXPECT_EQ(store.TextSetting("misc"), " two  spaces kept");
    EXPECT_EQ(store.IntSetting("LThumb"), 30);

    const auto keys = TableText(store.MainTbl);  // Name order: "K02", "K16 Q", "K99", "Touche \xE9"
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[1][0], "K16 Q");
    EXPECT_EQ((std::vector<std::string>(keys[1].begin() + 1, keys[1].begin() + 5)),
              (std::vector<std::string>{"16", "1", "0", "0"}));
    EXPECT_EQ((std::vector<std::string>(keys[1].begin() + 6, keys[1].end())),
              (std::vector<std::string>{"36", "36", "72", "40", "Letter Q"}));
    EXPECT_EQ(keys[3][0], "Touche \xE9");
    EXPECT_EQ(keys[3][3], "2001");
    EXPECT_EQ(keys[3][10], "e \"acute\"");
    EXPECT_EQ(keys[2][5],
              "\x01\x00\x00\x01\x06\x00\x00\x00"
              "BM\x00\x01\x02\x03"s);  // picture= kept exactly
    EXPECT_EQ(GlyphBitmapBytes(keys[2][5]), "BM\x00\x01\x02\x03"s);

    ASSERT_TRUE(store.Ctbl.Locate("Code", 113));
    EXPECT_EQ(store.Ctbl.AsInteger("KeyNo"), 16);  // the row written first
    ASSERT_TRUE(store.Ctbl.Locate("Code", 233));
    EXPECT_EQ(store.Ctbl.AsInteger("Accent"), 0);
    EXPECT_EQ(store.Ctbl.RowCount(), 4);
}

TEST_F(TemplateCommands, DrawnKeyPicturesAreBitmapsOfTheKeySizeWithTheFaceInTheCorner) {
    TDataMod store;
    ASSERT_TRUE(store.LoadTemplate(Build(kDescription)));
    ASSERT_TRUE(store.MainTbl.Locate("KeyValue", 3));  // 40 x 30, label e acute
    const std::string bmp = store.MainTbl.AsString("Glyph");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 18), 40u);
    EXPECT_EQ(U32(bmp, 22), 30u);
    EXPECT_EQ(bmp[28], 24);

    ASSERT_TRUE(store.MainTbl.Locate("KeyValue", 16));  // a cap with a label drawn in its middle
    const std::string cap = store.MainTbl.AsString("Glyph");
    const std::uint32_t face = PixelOf(cap, 0, 0);
    EXPECT_EQ(PixelOf(cap, 35, 35), face);  // the other corners show the face too
    EXPECT_EQ(PixelOf(cap, 6, 28), face);   // inside the cap, away from the label
    EXPECT_NE(PixelOf(cap, 1, 18), face);   // the outline
    bool labelDrawn = false;
    for (int x = 12; x < 24; ++x) labelDrawn |= PixelOf(cap, x, 20) != face;
    EXPECT_TRUE(labelDrawn);
    EXPECT_GT(face & 0xFF, 0xE0u);  // a light face
}

TEST_F(TemplateCommands, BuildOfDumpGivesTheSameTemplate) {
    const std::string first = Build(kDescription);
    const ToolResult dumped = Tool(folder, {"dump", first});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    EXPECT_THAT(dumped.out, HasSubstr("key \"K16 Q\" 16 1 0 0 72 40 36 36 Q \"Letter Q\"\n"));
    EXPECT_THAT(dumped.out, HasSubstr("readme misc= two  spaces kept\n"));
    const std::string second = Build(dumped.out, "again.zqt");

    const ZipArchive a(first), b(second);
    for (const char* entry : {"key.cds", "char.cds", "readme"}) {
        EXPECT_EQ(a.Extract(entry).bytes, b.Extract(entry).bytes) << entry;
    }
}

TEST_F(TemplateCommands, DumpKeepsEverythingOfATemplateFromAnotherTool) {
    const std::string picture =
        "\x01\x00\x00\x01\x05\x00\x00\x00"
        "BMxyz"s;
    std::vector<FieldValue> nullHint = testing::KeyRow("\xC4hnlich", 7, 2, "BM");
    nullHint[10] = FieldValue{};
    testing::WriteZip(
        folder.File("foreign.zqt"),
        {{"KEY.CDS", testing::KeyPacket({testing::KeyRow("b", 5, 8, picture), nullHint})},
         {"char.cds", testing::CharPacket({testing::CharRow("x \"1\"", 120, 5, true, false, 2005),
                                           testing::CharRow("x", 120, 7)})},
         {"readme", "bkcolor=0xFF\nAuthor=Someone\xE9lse\nLRing=12\n\n  odd line\n"s}});
    const ToolResult dumped = Tool(folder, {"dump", folder.File("foreign.zqt")});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    const std::string rebuilt = Build(dumped.out);

    TDataMod original, copy;
    ASSERT_TRUE(original.LoadTemplate(folder.File("foreign.zqt")));
    ASSERT_TRUE(copy.LoadTemplate(rebuilt));
    EXPECT_EQ(TableText(copy.MainTbl), TableText(original.MainTbl));
    EXPECT_EQ(TableText(copy.Ctbl), TableText(original.Ctbl));
    for (const char* key : {"bkcolor", "LRing", "LThumb"})
        EXPECT_EQ(copy.IntSetting(key), original.IntSetting(key));
    EXPECT_EQ(copy.TextSetting("Author"), "Someone\xE9lse");
}

TEST_F(TemplateCommands, CheckReportsAGoodTemplate) {
    const ToolResult run = Tool(folder, {"check", Build(kDescription)});
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, HasSubstr("LoadTemplate succeeded"));
    EXPECT_THAT(run.out, HasSubstr("Key table: 4 rows\nCharacter table: 4 rows\n"));
    EXPECT_THAT(run.out, HasSubstr("bkcolor=12632256\n"));
    EXPECT_THAT(run.out, HasSubstr("LThumb=30\n"));
    EXPECT_THAT(run.out, Not(HasSubstr("warning")));
}

TEST_F(TemplateCommands, CheckReportsBrokenTemplatesInWords) {
    const std::string good = Build(kDescription);
    const std::string bytes = folder.Read("layout.zqt");
    folder.Write("half.zqt", bytes.substr(0, bytes.size() / 2));
    folder.Write("text.zqt", "bkcolor=1\r\n");
    const std::string keys = testing::KeyPacket({testing::KeyRow("a", 1)});
    testing::WriteZip(folder.File("damaged.zqt"),
                      {{"key.cds", keys.substr(0, keys.size() - 3)}, {"readme", "bkcolor=1"}});
    testing::WriteZip(folder.File("nocolour.zqt"), {{"key.cds", keys}, {"readme", "Author=me"}});
    testing::WriteZip(folder.File("nested.zqt"), {{"x/readme", "bkcolor=1"}});
    testing::WriteZip(folder.File("strays.zqt"),
                      {{"key.cds", testing::KeyPacket({testing::KeyRow("a", 1, 0, "GIF89a")})},
                       {"char.cds", testing::CharPacket({testing::CharRow("a", 97, 42)})},
                       {"readme", "bkcolor=1"}});

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.zqt", "does not exist"}, {"text.zqt", "not a ZIP archive"},
        {"half.zqt", "not a ZIP archive"}, {"damaged.zqt", "key.cds is damaged"},
        {"nocolour.zqt", "bkcolor"},       {"nested.zqt", "no readme"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        const ToolResult run = Tool(folder, {"check", folder.File(name)});
        EXPECT_EQ(run.status, 1);
        EXPECT_THAT(run.out, HasSubstr("LoadTemplate failed"));
        EXPECT_THAT(run.out, HasSubstr(reason));
    }
    EXPECT_THAT(Tool(folder, {"check", folder.File("damaged.zqt")}).out, HasSubstr("Key table: closed"));
    const ToolResult strays = Tool(folder, {"check", folder.File("strays.zqt")});
    EXPECT_EQ(strays.status, 0);
    EXPECT_THAT(strays.out,
                HasSubstr("warning: character row \"a\" refers to key 42, which the key table lacks"));
    EXPECT_THAT(strays.out, HasSubstr("warning: key \"a\" has a picture that is not a Windows bitmap"));
}

TEST_F(TemplateCommands, BuildNamesTheLineOfAFaultAndWritesNothing) {
    const std::vector<std::pair<std::string, std::string>> faults = {
        {"keys 1 2 3", ":1: unknown line"},
        {"readme bkcolor=1\nkey a 1 2 3", ":2: a key line needs"},
        {"key a x 1 0 0 0 0 9 9 \"\" \"\"", ":1: KEYVALUE is not a number"},
        {"char a 1 2 3 0 0", ":1: SHIFT must be 0 to 1"},
        {"key \"a 1 1 0 0 0 0 9 9 \"\" \"\"", ":1: a quoted token"},
        {"key a 1 1 0 0 0 0 9 9 \"\\q\" \"\"", ":1: unknown escape"},
        {"key a 1 1 0 0 0 0 9 9 \"\" \"\" picture=%%%", ":1: the picture is not valid base64"},
        {"key a 1 1 0 0 0 0 0 9 \"\" \"\"", "cannot be drawn"},
        {"key abcdefghijklmnopqrstu 1 1 0 0 0 0 9 9 \"\" \"\"", "longer than 20 characters"},
        {"readme bkcolor=1\ncodepage 1252", ":2: codepage must come before"},
        {"codepage 99999", ":1: the code page must be"},
    };
    for (const auto& [description, message] : faults) {
        SCOPED_TRACE(description);
        folder.Write("bad.zqtd", description);
        const ToolResult run = Tool(folder, {"build", folder.File("bad.zqtd"), folder.File("bad.zqt")});
        EXPECT_EQ(run.status, 1);
        EXPECT_THAT(run.err, HasSubstr(message));
        EXPECT_FALSE(std::filesystem::exists(folder.File("bad.zqt")));
    }
}

TEST_F(TemplateCommands, WrongArgumentsShowTheUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"build", "only-one"}, {"dump"}, {"check", "a", "b"}, {"paint"}}) {
        const ToolResult run = Tool(folder, args);
        EXPECT_EQ(run.status, 2);
        EXPECT_THAT(run.err, HasSubstr("usage: zq-template build DESCRIPTION OUT.zqt"));
    }
    EXPECT_EQ(Tool(folder, {"dump", folder.File("missing.zqt")}).status, 1);
}

}  // namespace
}  // namespace zq
