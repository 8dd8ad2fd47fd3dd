// The Debian package, installed as an administrator installs it and used by
// a learner who is not root: a throwaway account starts
// /usr/bin/zq-typing-tutor on the test X display, practises a line of the
// course, and finds it in its own data folder. ./test builds the package
// when it runs as root and names it in ZQ_TEST_PACKAGE; without root, the
// package or the test display the tests skip.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "../stats/HistoryFixtures.h"
#include "ProgramSession.h"
#include "base/IniFile.h"
#include "stats/HistoryStore.h"
#include "stats/LocalDay.h"
#include "support/TempFolder.h"

namespace zq::e2e {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

constexpr const char* kPackageName = "zq-typing-tutor";
constexpr const char* kProgram = "/usr/bin/zq-typing-tutor";
constexpr const char* kInstalledData = "/usr/share/zq-typing-tutor/";
constexpr const char* kLearner = "zq-package-test";
constexpr const char* kLogon = "^Log on";
constexpr const char* kMain = "^ZQ Typing Tutor$";
// Message boxes carry the program's title alone, as the main window does.
constexpr const char* kMessage = "^ZQ Typing Tutor$";

struct CommandResult {
    int status = -1;
    std::string output;
};

// Runs a shell command, its standard error with its output.
CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, read);
    result.status = pclose(pipe);
    return result;
}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The first line of a course file, as the drill shows it.
std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
}

// The lines a user practised today (or yesterday, near midnight) in a history.
std::int64_t LinesToday(const std::string& history, const std::string& user) {
    const std::int32_t today = LocalDayOf(NowUtcMilliseconds());
    std::int64_t lines = 0;
    for (const DrillDay& day : HistoryStore(history).DrillDays(user, today - 1, today)) lines += day.lines;
    return lines;
}

class PackageInstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const char* package = std::getenv("ZQ_TEST_PACKAGE");
        if (getuid() != 0 || package == nullptr || *package == '\0' || !TestDisplay()) return;
        // apt reads the package as its own unprivileged user: from a folder it may enter.
        packageCopy_ = fs::temp_directory_path() / fs::path(package).filename();
        fs::copy_file(package, packageCopy_, fs::copy_options::overwrite_existing);
        fs::permissions(packageCopy_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                          fs::perms::others_read);
        installation_ = RunCommand(
            "DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "
            "--no-install-recommends -o DPkg::Lock::Timeout=600 " +
            packageCopy_.string());
    }

    static void TearDownTestSuite() {
        if (installation_.status == -1) return;
        const CommandResult removal =
            RunCommand(std::string("DEBIAN_FRONTEND=noninteractive apt-get remove -y --purge "
                                   "-o DPkg::Lock::Timeout=600 ") +
                       kPackageName);
        EXPECT_EQ(removal.status, 0) << removal.output;
        EXPECT_FALSE(fs::exists(kProgram)) << "the package was not removed";
        std::error_code ignored;
        fs::remove(packageCopy_, ignored);
    }

    void SetUp() override {
        if (getuid() != 0) GTEST_SKIP() << "installing the package needs root (./test as root, as in CI)";
        if (std::getenv("ZQ_TEST_PACKAGE") == nullptr)
            GTEST_SKIP() << "no package: ./test builds it only as root";
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        ASSERT_EQ(installation_.status, 0) << installation_.output;
        ASSERT_TRUE(fs::exists(kProgram));

        const fs::path& root = root_.emplace().Path();
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
        home_ = root_->File("home");
        RunCommand(std::string("userdel --remove ") + kLearner);  // left by a run that was killed
        const CommandResult added =
            RunCommand(std::string("useradd --create-home --user-group --shell /usr/sbin/nologin "
                                   "--home-dir ") +
                       home_ + " " + kLearner);
        ASSERT_EQ(added.status, 0) << added.output;
        const passwd* account = getpwnam(kLearner);
        ASSERT_NE(account, nullptr);
        uid_ = account->pw_uid;
        // Qt wants a runtime folder of the learner's own.
        const std::string runtime = root_->File("runtime");
        fs::create_directory(runtime);
        ASSERT_EQ(chown(runtime.c_str(), account->pw_uid, account->pw_gid), 0);
        fs::permissions(runtime, fs::perms::owner_all);

        usersFolder_ = home_ + "/.local/share/zq-typing-tutor/";
        session = std::make_unique<ProgramSession>(
            *display,
            std::vector<std::string>{
                "/usr/bin/setpriv", std::string("--reuid=") + kLearner, std::string("--regid=") + kLearner,
                "--init-groups", "/usr/bin/env", "-i", "HOME=" + home_, "PATH=/usr/bin:/bin",
                "XDG_RUNTIME_DIR=" + runtime, "DISPLAY=" + *display, "LANG=C.UTF-8", kProgram},
            usersFolder_);
    }

    void TearDown() override {
        session.reset();
        if (uid_ != 0) {
            const CommandResult removed = RunCommand(std::string("userdel --remove ") + kLearner);
            EXPECT_EQ(removed.status, 0) << removed.output;
        }
        root_.reset();
    }

    // The files of the learner's former per-user install, theirs.
    void GiveLearnerFormerFiles(const std::string& profiles, const std::vector<LineRecord>& lines) {
        const std::string former = home_ + "/.local/lib/zq-typing-tutor/";
        fs::create_directories(former);
        std::ofstream(former + "zqc.ini", std::ios::binary) << profiles;
        std::ofstream(former + "zq.ini", std::ios::binary) << "[General]\nUser=Default\n";
        HistoryStore(former + "zqstats.db").AddLines(lines);
        ASSERT_EQ(RunCommand("chown -R " + std::string(kLearner) + ": " + home_ + "/.local").status, 0);
    }

    // Logs on as the user the dialog shows, types the course's first line,
    // and closes the program as a learner does.
    void PractiseTheFirstLine() {
        const std::string logon = session->WaitForWindow(kLogon);
        ASSERT_FALSE(logon.empty()) << "the logon dialog did not appear";
        session->Key(logon, "Return");
        const std::string main = session->WaitForWindow(kMain);
        ASSERT_FALSE(main.empty()) << "the main window did not appear";
        ASSERT_TRUE(session->WaitUntilGone(kLogon));
        session->Key(main, "alt+c");
        const std::string drill = session->WaitForWindow("^Course");
        ASSERT_FALSE(drill.empty()) << "the course drill did not open";
        session->Type(drill, FirstLine(std::string(kInstalledData) + "Courses/English/course.txt") + " ");
        session->Key(drill, "Escape");
        ASSERT_TRUE(session->WaitUntilGone("^Course"));

        session->Key(main, "Escape");  // then OK in the practice-time message
        const auto end = std::chrono::steady_clock::now() + seconds(15);
        while (session->VisibleWindows(kMain).size() < 2 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        session->KeyToFocused("Return");
        EXPECT_EQ(session->WaitForExit(seconds(15)), 0);
    }

    bool OwnedByLearner(const std::string& path) const {
        struct stat status {};
        return stat(path.c_str(), &status) == 0 && status.st_uid == uid_;
    }

    static inline CommandResult installation_;
    static inline fs::path packageCopy_;
    std::optional<test::TempFolder> root_;  // the learner's home and runtime folders
    std::string home_;
    std::string usersFolder_;
    uid_t uid_ = 0;
    std::unique_ptr<ProgramSession> session;
};

TEST_F(PackageInstallTest, ALearnerPractisesALineAndFindsItInTheirOwnDataFolder) {
    const std::string shippedProfiles = Read(std::string(kInstalledData) + "zqc.ini");
    session->Start();
    PractiseTheFirstLine();

    const IniFile profiles(usersFolder_ + "zqc.ini");
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_GT(profiles.ReadInteger("Default", "TimeTotal", 0), 0);
    EXPECT_EQ(IniFile(usersFolder_ + "zq.ini").ReadString("General", "User", ""), "Default");
    EXPECT_EQ(LinesToday(usersFolder_ + "zqstats.db", "Default"), 1);
    for (const char* name : {"zq.ini", "zqc.ini", "zqgame.ini", "zqstats.db"}) {
        EXPECT_TRUE(OwnedByLearner(usersFolder_ + name)) << name;
    }
    // The installed data is only read.
    EXPECT_EQ(Read(std::string(kInstalledData) + "zqc.ini"), shippedProfiles);
    EXPECT_FALSE(fs::exists(std::string(kInstalledData) + "zq.ini"));
    EXPECT_FALSE(fs::exists(std::string(kInstalledData) + "zqstats.db"));
}

// A teacher has the course maker and the template tool as commands, with
// their manual pages, and they read the installed courses.
TEST_F(PackageInstallTest, ATeacherHasTheCourseAndTemplateCommands) {
    const std::string english = std::string(kInstalledData) + "Courses/English";
    const CommandResult checked = RunCommand("/usr/bin/zq-course check '" + english + "'");
    EXPECT_EQ(checked.status, 0) << checked.output;
    const CommandResult loaded = RunCommand("/usr/bin/zq-template check '" + english + "/layout.zqt'");
    EXPECT_EQ(loaded.status, 0) << loaded.output;
    for (const char* page : {"zq-typing-tutor", "zq-course", "zq-template"})
        EXPECT_TRUE(fs::exists(std::string("/usr/share/man/man1/") + page + ".1.gz")) << page;
}

TEST_F(PackageInstallTest, ALearnerOfThePerUserInstallKeepsTheirProfileAndHistory) {
    const std::int32_t today = LocalDayOf(NowUtcMilliseconds());
    std::string profiles = Read(std::string(kInstalledData) + "zqc.ini");
    profiles.replace(profiles.find("TimeTotal=0"), 11, "TimeTotal=3600000");
    GiveLearnerFormerFiles(profiles, {testing::TypedLine("Default", today, "abc", 0, DrillKind::Course),
                                      testing::TypedLine("Default", today, "def", 0, DrillKind::Course)});
    const std::string former = home_ + "/.local/lib/zq-typing-tutor/";
    const std::string formerHistory = Read(former + "zqstats.db");

    session->Start();
    const std::string told = session->WaitForWindow(kMessage);  // the files were copied
    ASSERT_FALSE(told.empty()) << "the learner was not told of the copy";
    session->Key(told, "Return");
    ASSERT_TRUE(session->WaitUntilGone(kMessage));
    PractiseTheFirstLine();

    const IniFile copied(usersFolder_ + "zqc.ini");
    EXPECT_EQ(copied.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_GT(copied.ReadInteger("Default", "TimeTotal", 0), 3600000);
    EXPECT_EQ(LinesToday(usersFolder_ + "zqstats.db", "Default"), 3);
    EXPECT_EQ(Read(former + "zqc.ini"), profiles) << "the former folder is left as it was";
    EXPECT_EQ(Read(former + "zqstats.db"), formerHistory);
}

}  // namespace
}  // namespace zq::e2e
