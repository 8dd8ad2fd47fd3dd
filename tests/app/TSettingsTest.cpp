#include "app/TSettings.h"

#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using test::TempFolder;

TEST(TSettings, TheRunningProgramsFolderHoldsItsFilesWhenItMayWriteThere) {
    const TSettings settings(ProgramPaths::OfRunningProgram());
    const std::string folder = settings.Paths().DataFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "test_app"));
    EXPECT_EQ(settings.IniPath(), folder + "zq.ini");
}

TEST(TSettings, AnInstalledProgramKeepsItsSettingsInTheUsersFolder) {
    TempFolder root;
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root / "share/zq-typing-tutor");
    std::filesystem::create_directories(root / "users");
    TSettings settings(ProgramPaths::Decide(root.Dir() + "bin/", true, root.Dir() + "users/"));
    settings.User = "Maria";
    settings.Save();
    EXPECT_EQ(settings.IniPath(), root.File("users/zq.ini"));
    EXPECT_TRUE(std::filesystem::exists(root.File("users/zq.ini")));
    EXPECT_FALSE(std::filesystem::exists(root.File("share/zq-typing-tutor/zq.ini")));
}

TEST(TSettings, FirstStartWithoutAFileKeepsTheDefaultsAndWritesNothing) {
    TempFolder folder;
    TSettings settings(folder.Dir());
    settings.User = "changed";
    EXPECT_TRUE(settings.Load());
    EXPECT_EQ(settings.User, "Default");
    EXPECT_TRUE(settings.ToRestoreLayout);
    EXPECT_EQ(settings.FontName, "Arial");
    EXPECT_EQ(settings.FontCharset, 1);
    EXPECT_EQ(folder.EntryCount(), 0u);
}

TEST(TSettings, UnreadableValuesGiveTheDefaults) {
    TempFolder folder;
    folder.Write("zq.ini", "[general]\nfontcharset=abc\nTORESTORELAYOUT=x\nUser=Maria\n");
    TSettings settings(folder.Dir());
    settings.Load();
    EXPECT_EQ(settings.FontCharset, 1);
    EXPECT_TRUE(settings.ToRestoreLayout);
    EXPECT_EQ(settings.User, "Maria");
}

TEST(TSettings, HexadecimalCharsetIsRead) {
    TempFolder folder;
    folder.Write("zq.ini", "[General]\nFontCharset=0xCC\n");
    TSettings settings(folder.Dir());
    settings.Load();
    EXPECT_EQ(settings.FontCharset, 204);
}

TEST(TSettings, ToRestoreLayoutIsWrittenBackAsZeroOrOne) {
    for (const auto& [stored, expectedValue, written] :
         {std::tuple{"0", false, "ToRestoreLayout=0"}, std::tuple{"7", true, "ToRestoreLayout=1"}}) {
        TempFolder folder;
        folder.Write("zq.ini", std::string("[General]\nToRestoreLayout=") + stored + "\n");
        TSettings settings(folder.Dir());
        settings.Load();
        EXPECT_EQ(settings.ToRestoreLayout, expectedValue) << stored;
        settings.Save();
        EXPECT_NE(folder.Read("zq.ini").find(std::string(written) + "\n"), std::string::npos) << stored;
    }
}

TEST(TSettings, SaveWritesItsKeysInOrderAndLeavesOthersAlone) {
    TempFolder folder;
    TSettings settings(folder.Dir());
    settings.User = "Anna";
    settings.FontName = "DejaVu Sans";
    settings.FontCharset = 0;
    settings.Save();
    EXPECT_EQ(folder.Read("zq.ini"),
              "[General]\nUser=Anna\nToRestoreLayout=1\nFontName=DejaVu Sans\nFontCharset=0\n");

    folder.Write("zq.ini", "; mine\n[General]\nWindowLeft=10\nfontname=Old\n[Extra]\nA=1\n");
    settings.User = "Bob";
    settings.Save();
    EXPECT_EQ(folder.Read("zq.ini"),
              "; mine\n[General]\nWindowLeft=10\nFontName=DejaVu Sans\nUser=Bob\nToRestoreLayout=1\n"
              "FontCharset=0\n[Extra]\nA=1\n");

    TSettings reread(folder.Dir());
    reread.Load();
    EXPECT_EQ(reread.User, "Bob");
    EXPECT_EQ(reread.FontName, "DejaVu Sans");
    EXPECT_EQ(reread.FontCharset, 0);
}

TEST(TSettings, SaveIntoAFolderThatCannotBeWrittenRaisesTheMessage) {
    TempFolder folder;
    folder.Write("file", "");
    TSettings settings(folder.File("file") + "/");
    EXPECT_THROW(settings.Save(), LibraryError);
}

}  // namespace
}  // namespace zq
