#include "keyboard/x11/X11LayoutBackend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/CodePage.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "keyboard/XkbRegistry.h"
#include "keyboard/ui/LayoutLocaleTexts.h"

// X11's headers last: they define macros such as None and Bool.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBrules.h>

namespace zq {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

// A test against the private X server that ./test starts. Each test begins
// and ends with the server in the US layout alone.
class X11LayoutBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("ZQ_TEST_X_DISPLAY");
        if (display == nullptr || *display == '\0') GTEST_SKIP() << "ZQ_TEST_X_DISPLAY names no X server";
        displayName_ = display;
        server_ = XOpenDisplay(display);
        ASSERT_NE(server_, nullptr) << "cannot reach " << displayName_;
        SetServer("us", "", 0);
    }

    void TearDown() override {
        if (server_ == nullptr) return;
        SetServer("us", "", 0);
        XCloseDisplay(server_);
    }

    // Configures the server's groups with the XKB tool and locks a group.
    void SetServer(const std::string& layouts, const std::string& variants, unsigned group) {
        const std::string command = "setxkbmap -display " + displayName_ + " -layout " + layouts +
                                    (variants.empty() ? "" : " -variant " + variants);
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        XkbLockGroup(server_, XkbUseCoreKbd, group);
        XSync(server_, False);
    }

    // The server's groups and active group as "us,de(nodeadkeys) group 1",
    // read directly from the server.
    std::string Server() {
        char* rulesFile = nullptr;
        XkbRF_VarDefsRec names{};
        std::string text;
        if (XkbRF_GetNamesProp(server_, &rulesFile, &names)) {
            for (const XkbLayoutName& group :
                 SplitXkbGroups(names.layout ? names.layout : "", names.variant ? names.variant : "")) {
                text += (text.empty() ? "" : ",") + group.layout +
                        (group.variant.empty() ? "" : "(" + group.variant + ")");
            }
        }
        for (char* part : {rulesFile, names.model, names.layout, names.variant, names.options})
            std::free(part);
        XkbStateRec state{};
        XkbGetState(server_, XkbUseCoreKbd, &state);
        return text + " group " + std::to_string(state.group);
    }

    std::unique_ptr<X11LayoutBackend> Backend() {
        auto backend = X11LayoutBackend::Connect(displayName_.c_str(), LayoutLocaleText);
        EXPECT_NE(backend, nullptr);
        return backend;
    }

    std::string displayName_;
    Display* server_ = nullptr;
};

TEST_F(X11LayoutBackendTest, ActivatingFrenchThenGermanSwitchesTheServer) {
    TKeyboardLayoutAgent agent(Backend());
    ASSERT_TRUE(agent.ActivateLayout("0000040C"));
    EXPECT_EQ(Server(), "us,fr group 1");
    EXPECT_THAT(agent.LoadedLayouts(), ElementsAre(0x04090409u, 0x040C040Cu));
    EXPECT_EQ(agent.Backend().ActiveLayout(), 0x040C040Cu);

    // The program adds one group of its own at most.
    ASSERT_TRUE(agent.ActivateLayout("00000407"));
    EXPECT_EQ(Server(), "us,de group 1");
    EXPECT_EQ(agent.Backend().ActiveLayout(), 0x04070407u);

    ASSERT_TRUE(agent.ActivateLayout("00010409"));  // a variant of a configured layout is a group of its own
    EXPECT_EQ(Server(), "us,us(dvorak) group 1");
}

// A course made for a layout that no Windows identifier names: the profile
// names it by its XKB name, and the server gets that layout.
TEST_F(X11LayoutBackendTest, ALayoutNamedByItsXkbNameIsActivated) {
    TKeyboardLayoutAgent agent(Backend());
    agent.Refresh();
    ASSERT_TRUE(agent.ActivateLayout("us(colemak)"));
    EXPECT_EQ(Server(), "us,us(colemak) group 1");
    ASSERT_TRUE(agent.ActivateLayout("pl"));
    EXPECT_EQ(Server(), "us,pl group 1");
    EXPECT_EQ(agent.Backend().ActiveLayout(), 0x04150415u) << "Polish, whose handle the table names";
    EXPECT_GE(agent.IndexOfLayout("us(colemak)"), 0);
    EXPECT_FALSE(agent.ActivateLayout("us(no-such-variant)"));
    EXPECT_EQ(Server(), "us,pl group 1");
}

TEST_F(X11LayoutBackendTest, UnknownOrMalformedIdentifiersChangeNothing) {
    SetServer("us,de", "", 1);
    TKeyboardLayoutAgent agent(Backend());
    EXPECT_FALSE(agent.ActivateLayout("00000417"));  // not in the table
    EXPECT_FALSE(agent.ActivateLayout("12345678"));
    EXPECT_FALSE(agent.ActivateLayout("French"));
    EXPECT_EQ(Server(), "us,de group 1");
}

TEST_F(X11LayoutBackendTest, LoadedLayoutsAndOriginalNameReadTheServer) {
    SetServer("de,us,ch", ",dvorak,", 1);
    TKeyboardLayoutAgent agent(Backend());
    agent.Refresh();
    EXPECT_THAT(agent.LoadedLayouts(), ElementsAre(0x04070407u, 0xF0010409u, 0x08070807u));
    const std::string dvorak = FromUtf8(XkbRegistry().Description("us", "dvorak"));
    EXPECT_EQ(agent.OriginalLayoutName(), dvorak);
    EXPECT_THAT(agent.InfoLines(), Contains("  Display name: English (United States) - " + dvorak));
    EXPECT_THAT(agent.InfoLines(), Contains("  German (Germany) = German-0407"));
    EXPECT_THAT(agent.InfoLines(), Contains("  Country: United States"));
}

TEST_F(X11LayoutBackendTest, AConfiguredLayoutIsLockedWithoutNewGroups) {
    SetServer("us,fr", "", 0);
    auto backend = Backend();
    ASSERT_TRUE(backend->Activate(0x0000040C));
    EXPECT_EQ(Server(), "us,fr group 1");
    backend.reset();
    EXPECT_EQ(Server(), "us,fr group 0");
}

TEST_F(X11LayoutBackendTest, AFullServerLendsItsLastGroupAndGetsItBack) {
    SetServer("us,de,ru,gr", "", 2);
    auto backend = Backend();
    ASSERT_TRUE(backend->Activate(0x0000040C));
    EXPECT_EQ(Server(), "us,de,ru,fr group 3");
    backend.reset();
    EXPECT_EQ(Server(), "us,de,ru,gr group 2");
}

TEST_F(X11LayoutBackendTest, TheDesktopKeepsItsLayoutsWhileTheProgramIsInTheBackground) {
    SetServer("us,de", "", 1);
    auto backend = Backend();
    ASSERT_TRUE(backend->Activate(0x0000040C));
    EXPECT_EQ(Server(), "us,de,fr group 2");

    backend->RestoreDesktopLayouts();
    EXPECT_EQ(Server(), "us,de group 1");
    SetServer("us,ru", "", 0);  // the user changes the desktop meanwhile
    backend->ReapplyProgramLayout();
    EXPECT_EQ(Server(), "us,ru,fr group 2");
    backend->RestoreDesktopLayouts();
    EXPECT_EQ(Server(), "us,ru group 0");

    backend->ReapplyProgramLayout();
    backend->ProgramEnding();
    EXPECT_EQ(Server(), "us,ru group 0");
    backend->ReapplyProgramLayout();  // nothing returns once the program ends
    EXPECT_EQ(Server(), "us,ru group 0");
}

// Runs the probe program and gives its output.
std::string RunProbe(const std::string& display, const std::string& identifier) {
    const std::string command =
        std::string(ZQ_LAYOUT_AGENT_PROBE) + " " + display + " " + identifier + " exit";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return "cannot run " + command;
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    const int status = pclose(pipe);
    return output + "exit " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

TEST_F(X11LayoutBackendTest, TheServerGetsItsLayoutsBackWhenTheProgramEnds) {
    SetServer("us,de", ",nodeadkeys", 1);
    EXPECT_EQ(RunProbe(displayName_, "0000040C"), "activated\nexit 0");
    EXPECT_EQ(Server(), "us,de(nodeadkeys) group 1");
    EXPECT_EQ(RunProbe(displayName_, "00000417"), "failed\nexit 0");
    EXPECT_EQ(Server(), "us,de(nodeadkeys) group 1");
}

// The probe program running beside the test, spoken to line by line.
class RunningProbe {
public:
    RunningProbe(const std::string& display, const char* identifier, const char* mode) {
        int input[2];
        int output[2];
        if (pipe(input) != 0 || pipe(output) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            for (int fd : {input[0], input[1], output[0], output[1]}) close(fd);
            execl(ZQ_LAYOUT_AGENT_PROBE, ZQ_LAYOUT_AGENT_PROBE, display.c_str(), identifier, mode,
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(input[0]);
        close(output[1]);
        toProbe_ = input[1];
        fromProbe_ = output[0];
    }
    ~RunningProbe() {
        if (toProbe_ != -1) close(toProbe_);
        if (fromProbe_ != -1) close(fromProbe_);
        if (pid_ > 0 && !ended_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    std::string ReadLine() {
        std::string line;
        char ch = 0;
        while (read(fromProbe_, &ch, 1) == 1 && ch != '\n') line += ch;
        return line;
    }
    void Tell(const std::string& command) {
        const std::string line = command + "\n";
        EXPECT_EQ(write(toProbe_, line.data(), line.size()), static_cast<ssize_t>(line.size()));
    }
    void Signal(int signalNumber) { EXPECT_EQ(kill(pid_, signalNumber), 0); }
    // "exit N" or "signal N".
    std::string End() {
        int status = 0;
        if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_) return "lost";
        ended_ = true;
        return WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status))
                                 : "signal " + std::to_string(WTERMSIG(status));
    }

private:
    pid_t pid_ = -1;
    int toProbe_ = -1;
    int fromProbe_ = -1;
    bool ended_ = false;
};

TEST_F(X11LayoutBackendTest, TheServerGetsItsLayoutsBackWhenTheProgramIsTerminated) {
    SetServer("us,de", "", 1);
    RunningProbe probe(displayName_, "0000040C", "wait");
    EXPECT_EQ(probe.ReadLine(), "activated");
    ASSERT_EQ(probe.ReadLine(), "ready");
    EXPECT_EQ(Server(), "us,de,fr group 2");

    probe.Signal(SIGTERM);
    EXPECT_EQ(probe.End(), "exit 0");
    EXPECT_EQ(Server(), "us,de group 1");
}

TEST_F(X11LayoutBackendTest, TheProgramsLayoutFollowsItsFocus) {
    SetServer("us,de", "", 0);
    RunningProbe probe(displayName_, "0000040C", "focus");
    EXPECT_EQ(probe.ReadLine(), "activated");
    ASSERT_EQ(probe.ReadLine(), "active");
    EXPECT_EQ(Server(), "us,de,fr group 2");

    probe.Tell("leave");
    ASSERT_EQ(probe.ReadLine(), "inactive");
    EXPECT_EQ(Server(), "us,de group 0");

    probe.Tell("return");
    ASSERT_EQ(probe.ReadLine(), "active");
    EXPECT_EQ(Server(), "us,de,fr group 2");

    probe.Tell("quit");
    EXPECT_EQ(probe.End(), "exit 0");
    EXPECT_EQ(Server(), "us,de group 0");
}

}  // namespace
}  // namespace zq
