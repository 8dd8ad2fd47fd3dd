// Why a template fails to load, and what a loaded one gets wrong.
#include "templates/TemplateCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../keyboard/TemplateArchive.h"
#include "../support/TempFolder.h"
#include "keyboard/TDataMod.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(TemplateCheck, LoadFailuresAreExplainedInTheOrderTheProgramReads) {
    test::TempFolder folder;
    const std::string keys = testing::KeyPacket({testing::KeyRow("a", 1)});
    folder.Write("text.zqt", "bkcolor=1\r\n");
    testing::WriteZip(folder.File("damaged.zqt"),
                      {{"key.cds", keys.substr(0, keys.size() - 3)}, {"readme", "bkcolor=1"}});
    testing::WriteZip(folder.File("unordered.zqt"), {{"char.cds", keys}, {"readme", "bkcolor=1"}});
    testing::WriteZip(folder.File("nested.zqt"), {{"key.cds", keys}, {"x/readme", "bkcolor=1"}});
    testing::WriteZip(folder.File("nocolour.zqt"), {{"key.cds", keys}, {"readme", "Author=me"}});
    std::filesystem::create_directories(folder / "folder.zqt");

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.zqt", "does not exist"},
        {"folder.zqt", "is not a file"},
        {"text.zqt", "not a ZIP archive"},
        {"damaged.zqt", "key.cds is damaged"},
        {"unordered.zqt", "char.cds has no field Code"},
        {"nested.zqt", "no readme"},
        {"nocolour.zqt", "no \"bkcolor\" line"},
    };
    for (const auto& [name, reason] : cases) {
        TDataMod store;
        EXPECT_FALSE(store.LoadTemplate(folder.File(name))) << name;
        EXPECT_THAT(TemplateLoadFailure(folder.File(name)), HasSubstr(reason)) << name;
    }
}

TEST(TemplateCheck, WarningsNamePicturesCodesAndKeysThatAreNotThere) {
    test::TempFolder folder;
    testing::WriteZip(
        folder.File("strays.zqt"),
        {{"key.cds", testing::KeyPacket({testing::KeyRow("a", 1, 0, "GIF89a"), testing::KeyRow("b", 2)})},
         {"char.cds", testing::CharPacket({testing::CharRow("a", 97, 42), testing::CharRow("b", 98, 2),
                                           testing::CharRow("euro", 8364, 2)})},
         {"readme", "bkcolor=1"}});
    TDataMod store;
    ASSERT_TRUE(store.LoadTemplate(folder.File("strays.zqt")));
    EXPECT_THAT(TemplateWarnings(store),
                ElementsAre("key \"a\" has a picture that is not a Windows bitmap",
                            "character row \"a\" refers to key 42, which the key table lacks",
                            "character row \"euro\" has the code 8364, not 0-255"));
}

TEST(TemplateCheck, AGoodTemplateHasNoWarnings) {
    test::TempFolder folder;
    testing::WriteZip(folder.File("good.zqt"),
                      {{"key.cds", testing::KeyPacket({testing::KeyRow("a", 1)})},
                       {"char.cds", testing::CharPacket({testing::CharRow("a", 97, 1)})},
                       {"readme", "bkcolor=1"}});
    TDataMod store;
    ASSERT_TRUE(store.LoadTemplate(folder.File("good.zqt")));
    EXPECT_THAT(TemplateWarnings(store), IsEmpty());
}

}  // namespace
}  // namespace zq
