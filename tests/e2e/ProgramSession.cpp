#include "ProgramSession.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace zq::e2e {
namespace {

namespace fs = std::filesystem;

std::string NameOf(const std::string& variable) {
    return variable.substr(0, variable.find('='));
}

// The test's own environment, with the desktop's variables in place of its.
std::vector<std::string> ProgramEnvironment(const Desktop& desktop) {
    const std::vector<std::string> own = desktop.ProgramVariables();
    std::vector<std::string> left = kDesktopVariables;
    for (const std::string& variable : own) left.push_back(NameOf(variable));
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::find(left.begin(), left.end(), NameOf(*variable)) == left.end())
            variables.emplace_back(*variable);
    }
    variables.insert(variables.end(), own.begin(), own.end());
    return variables;
}

}  // namespace

std::optional<std::string> TestDisplay() {
    const char* display = std::getenv("ZQ_TEST_X_DISPLAY");
    if (display == nullptr || *display == '\0') return std::nullopt;
    if (!CommandOutput("command -v xdotool")) return std::nullopt;
    return std::string(display);
}

ProgramSession::ProgramSession(std::string display) : ProgramSession(X11Desktop(std::move(display))) {}

ProgramSession::ProgramSession(std::unique_ptr<Desktop> desktop) : desktop_(std::move(desktop)) {
    folder_ = copy_.emplace().Path().string();
    CopyProgramFolder();
}

ProgramSession::ProgramSession(std::string display, const std::filesystem::path& folder)
    : desktop_(X11Desktop(std::move(display))), folder_(folder.string()) {
    CopyProgramFolder();
}

void ProgramSession::CopyProgramFolder() {
    command_ = {Path("zq-typing-tutor")};
    fs::copy(ZQ_PROGRAM_DIR, folder_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const char* written : {"zq.ini", "zqc.ini", "zqgame.ini", "zqstats.db"}) fs::remove(Path(written));
    fs::copy_file(std::string(ZQ_SOURCE_DIR) + "/data/zqc.ini", Path("zqc.ini"));
}

ProgramSession::ProgramSession(std::string display, std::vector<std::string> command, std::string usersFolder)
    : desktop_(X11Desktop(std::move(display))),
      command_(std::move(command)),
      folder_(std::move(usersFolder)) {
    while (!folder_.empty() && folder_.back() == '/') folder_.pop_back();
}

ProgramSession::~ProgramSession() {
    if (Running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void ProgramSession::SetVariable(const std::string& name, const std::string& value) {
    variables_.emplace_back(name, value);
}

void ProgramSession::Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = command_;
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    // On the test desktop, in English, with the variables the test set.
    std::vector<std::string> variables = ProgramEnvironment(*desktop_);
    std::erase_if(variables, [&](const std::string& variable) {
        return std::any_of(variables_.begin(), variables_.end(),
                           [&](const auto& set) { return set.first == NameOf(variable); });
    });
    for (const auto& [name, value] : variables_) variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);

    if (posix_spawn(&pid_, words.front().c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        throw std::runtime_error("cannot start " + words.front());
    }
}

bool ProgramSession::Running() {
    return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0;
}

void ProgramSession::Signal(int signalNumber) {
    if (pid_ > 0) kill(pid_, signalNumber);
}

std::string ProgramSession::MappedFiles() const {
    if (pid_ <= 0) return {};
    std::ifstream maps("/proc/" + std::to_string(pid_) + "/maps");
    return {std::istreambuf_iterator<char>(maps), std::istreambuf_iterator<char>()};
}

std::optional<int> ProgramSession::WaitForExit(milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        const pid_t ended = waitpid(pid_, &status, WNOHANG);
        if (ended == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(milliseconds(50));
    }
    return std::nullopt;
}

std::vector<std::string> ProgramSession::VisibleWindows(const std::string& titlePattern) {
    return desktop_->VisibleWindows(pid_, titlePattern);
}

std::string ProgramSession::WaitForWindow(const std::string& titlePattern, milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end && Running()) {
        const std::vector<std::string> windows = VisibleWindows(titlePattern);
        if (!windows.empty()) {
            std::this_thread::sleep_for(milliseconds(300));  // let the window manager map and place it
            return windows.front();
        }
        std::this_thread::sleep_for(milliseconds(100));
    }
    return {};
}

bool ProgramSession::WaitUntilGone(const std::string& titlePattern, milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (!Running() || VisibleWindows(titlePattern).empty()) return true;
        std::this_thread::sleep_for(milliseconds(100));
    }
    return false;
}

void ProgramSession::Key(const std::string& window, const std::string& keys) {
    desktop_->Activate(window);
    desktop_->Keys(keys);
}

void ProgramSession::KeyToFocused(const std::string& keys) {
    desktop_->Keys(keys);
}

void ProgramSession::Type(const std::string& window, const std::string& text) {
    desktop_->Activate(window);
    desktop_->Type(text);
}

}  // namespace zq::e2e
