#include "profile/ProfileStore.h"

#include <gtest/gtest.h>

#include "../support/ChildProcess.h"
#include "../support/TempFolder.h"
#include "base/IniFile.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using test::TempFolder;

class ProfileStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    ProfileStore store{folder.File("zqc.ini")};
};

TEST_F(ProfileStoreTest, UsersAreTheSectionsInFileOrder) {
    EXPECT_TRUE(store.UserNames().empty());
    folder.Write("zqc.ini", "[Zoe]\nProgress=1\n[anna]\n[Default]\n");
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Zoe", "anna", "Default"}));
    EXPECT_TRUE(store.HasUser("ANNA"));
    EXPECT_FALSE(store.HasUser("Bob"));
}

TEST_F(ProfileStoreTest, MissingFileOrSectionLoadsTheDefaults) {
    TProfile p;
    p.Progress = 5;
    store.LoadSection(p, "Nobody");
    EXPECT_EQ(p.Progress, 0);
    EXPECT_EQ(p.KeyboardLayout, "00000409");
    folder.Write("zqc.ini", "[Other]\nProgress=3\n");
    p.Progress = 5;
    store.LoadSection(p, "Nobody");
    EXPECT_EQ(p.Progress, 0);
}

TEST_F(ProfileStoreTest, StoredProfileLoadsBackThroughTheEvents) {
    TProfile anna;
    store.Attach(anna);
    anna.UserName = "Anna";
    anna.Course = "English";
    anna.KeyboardLayout = "00000407";
    anna.HelpFile = "zqhelp.chm";
    anna.Progress = 42;
    anna.BgColor = -2147483633;
    anna.GameFont.StrikeOut = true;
    anna.Save();
    anna.SaveAs("Copy");

    TProfile loaded;
    store.Attach(loaded);
    loaded.UserName = "anna";
    loaded.Load();
    EXPECT_EQ(loaded.SaveToStrings(), anna.SaveToStrings());
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Anna", "Copy"}));
}

TEST_F(ProfileStoreTest, StoringOverAnExistingSectionKeepsItsOtherKeysAndSections) {
    folder.Write("zqc.ini", "[Anna]\nprogress=3\nFavourite=blue\nGScore1=900\n\n[Bob]\nProgress=8\n");
    TProfile p;
    p.Progress = 4;
    p.GScore1 = 900;
    store.StoreSection(p, "ANNA");
    const std::string content = folder.Read("zqc.ini");
    EXPECT_NE(content.find("Favourite=blue\n"), std::string::npos);
    EXPECT_NE(content.find("Progress=4\n"), std::string::npos);
    EXPECT_EQ(content.find("progress=3"), std::string::npos);
    EXPECT_NE(content.find("\n\n[Bob]\nProgress=8\n"), std::string::npos);
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Anna", "Bob"}));

    TProfile reread;
    store.LoadSection(reread, "Anna");
    EXPECT_EQ(reread.Progress, 4);
    EXPECT_EQ(reread.GScore1, 900);
}

// A course folder named in letters that the windows' code page lacks keeps
// its name: the file holds course names in UTF-8, and an old 8-bit file
// turns UTF-8 only when it has to, every other value reading as before.
TEST_F(ProfileStoreTest, CourseNamesSurviveWhateverTheCodePage) {
    const std::string greek =
        "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC "
        "\xCE\x9C\xCE\xAC\xCE\xB8\xCE\xB7\xCE\xBC\xCE\xB1";  // Ελληνικά Μάθημα
    folder.Write("zqc.ini", "[Ren\xE9]\nCourse=Fran\xE7\nPracticeFontName=Fran\xE7oise\n");
    TProfile rene;
    store.Attach(rene);
    rene.UserName = "Ren\xE9";
    rene.Load();
    EXPECT_EQ(rene.Course, "Fran\xC3\xA7") << "an old file's course name in the code page";
    rene.Course = greek;
    rene.OtherCoursesProgress = {{"Fran\xC3\xA7", 12}};
    rene.Save();

    const std::string content = folder.Read("zqc.ini");
    EXPECT_NE(content.find("[Ren\xC3\xA9]\nCourse=" + greek + "\n"), std::string::npos);
    EXPECT_NE(content.find("\nOtherCoursesProgress=Fran\xC3\xA7:12\n"), std::string::npos);
    TProfile reread;
    store.LoadSection(reread, "Ren\xE9");
    EXPECT_EQ(reread.Course, greek);
    EXPECT_EQ(reread.PracticeFont.Name, "Fran\xE7oise");
    EXPECT_EQ(reread.OtherCoursesProgress, rene.OtherCoursesProgress);
}

TEST_F(ProfileStoreTest, ABadIntegerInTheFileStopsTheLoadWithTheFileTheUserAndTheKey) {
    folder.Write("zqc.ini", "[Anna]\nCourse=English\nprogress=1O\nKeyboardLayout=00000407\n");
    TProfile p;
    try {
        store.LoadSection(p, "ANNA");
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(
            std::string(error.what()),
            "'1O' is not a valid integer value\n\nThe key Progress of the user ANNA in the profile file " +
                store.Path() +
                " has this value. Correct it in that file, or remove its line to use the default.");
    }
    EXPECT_EQ(p.Course, "English");
    EXPECT_EQ(p.KeyboardLayout, "");
}

TEST_F(ProfileStoreTest, EraseSectionRemovesOnlyThatUser) {
    TProfile p;
    store.StoreSection(p, "Anna");
    store.StoreSection(p, "Bob");
    store.EraseSection("anna");
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Bob"}));
}

TEST_F(ProfileStoreTest, StoringIntoAFolderThatCannotBeWrittenRaisesTheMessage) {
    folder.Write("plain", "");
    const ProfileStore broken(folder.File("plain") + "/zqc.ini");
    TProfile p;
    try {
        broken.StoreSection(p, "Anna");
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + broken.Path() + ": Not a directory.");
    }
}

// Two runs of the program, each storing its own user as its lines complete,
// and both ended together: neither may replace the file with a copy that
// lacks the other's last change.
TEST_F(ProfileStoreTest, TwoProgramsStoringTheirUsersAtOnceKeepEachOthersChanges) {
    constexpr int kStores = 150;
    auto storeRepeatedly = [this](const std::string& user) {
        return [this, user] {
            TProfile p;
            for (int progress = 1; progress <= kStores; ++progress) {
                p.Progress = progress;
                store.StoreSection(p, user);
            }
            return 0;
        };
    };
    test::ChildProcess anna(storeRepeatedly("Anna"));
    test::ChildProcess bob(storeRepeatedly("Bob"));
    EXPECT_EQ(anna.Wait(), 0);
    EXPECT_EQ(bob.Wait(), 0);

    const IniFile stored(store.Path());
    EXPECT_EQ(stored.ReadInteger("Anna", "Progress", 0), kStores);
    EXPECT_EQ(stored.ReadInteger("Bob", "Progress", 0), kStores);
}

TEST_F(ProfileStoreTest, AUserLoggedOnInAnotherProgramIsRefusedUntilThatProgramEnds) {
    test::Handshake loggedOn;
    test::ChildProcess other([&] {
        const FileLock anna = store.LockUser("Anna");
        if (!anna.Held()) return 1;
        loggedOn.Signal();
        pause();  // until killed
        return 0;
    });
    ASSERT_TRUE(loggedOn.Wait()) << "the other program could not log on";

    EXPECT_TRUE(store.LockUser("ANNA").HeldElsewhere());
    const FileLock bob = store.LockUser("Bob");
    EXPECT_TRUE(bob.Held());
    EXPECT_TRUE(store.LockUser("bob").HeldElsewhere())
        << "one run holds a user against another in its own process";
    EXPECT_EQ(store.UserNames(), std::vector<std::string>{}) << "the lock file is no profile file";

    other.Kill();  // killed, not ended: the user is free all the same
    EXPECT_TRUE(store.LockUser("Anna").Held());
}

TEST_F(ProfileStoreTest, WithoutALockFileTheUserIsNeitherHeldNorRefused) {
    folder.Write("plain", "");
    const ProfileStore unwritable(folder.File("plain") + "/zqc.ini");
    const FileLock anna = unwritable.LockUser("Anna");
    EXPECT_FALSE(anna.Held());
    EXPECT_FALSE(anna.HeldElsewhere());
}

TEST_F(ProfileStoreTest, TheStarterFileHoldsACompleteDefaultUser) {
    const ProfileStore starter(std::string(ZQ_SOURCE_DIR) + "/data/zqc.ini");
    EXPECT_EQ(starter.UserNames(), (std::vector<std::string>{"Default"}));
    TProfile p;
    starter.LoadSection(p, "Default");
    // The file holds exactly the lines a store of that profile writes.
    EXPECT_EQ(IniFile(starter.Path()).ReadSection("Default"), p.SaveToStrings());
}

}  // namespace
}  // namespace zq
