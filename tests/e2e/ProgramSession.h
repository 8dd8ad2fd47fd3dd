#pragma once

// The real program, started on a test desktop (the test X display, or the
// Wayland compositor of ./test) from a copy of the program folder (or as
// installed, by a command), and driven as a person would: windows found by
// their titles, keys sent to them.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Desktop.h"
#include "support/TempFolder.h"

namespace zq::e2e {

using std::chrono::milliseconds;

// The test display of ./test (a private Xvfb with a window manager), or
// nothing when the tests run without one.
std::optional<std::string> TestDisplay();

class ProgramSession {
public:
    // A fresh copy of the built program folder with the shipped profile file,
    // on the desktop.
    explicit ProgramSession(std::unique_ptr<Desktop> desktop);
    // The same on an X display.
    explicit ProgramSession(std::string display);
    // The same copy made in `folder` (an empty folder the session leaves in place).
    ProgramSession(std::string display, const std::filesystem::path& folder);
    // The program that `command` starts (it must become the program's own
    // process, as exec does), keeping its users' files in `usersFolder`,
    // which the session leaves in place.
    ProgramSession(std::string display, std::vector<std::string> command, std::string usersFolder);
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // The folder of the users' files (of the copy: the program folder).
    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& relative) const { return folder_ + "/" + relative; }

    // An environment variable for the program, besides the test's own.
    void SetVariable(const std::string& name, const std::string& value);
    void Start(const std::vector<std::string>& arguments = {});
    pid_t ProcessId() const { return pid_; }
    // Waits for the program to end; its exit code, or nothing on timeout.
    std::optional<int> WaitForExit(milliseconds timeout);
    bool Running();
    // The process id of the program while it runs.
    pid_t Pid() const { return pid_; }
    // Sends the program a signal, as a desktop session does when it ends.
    void Signal(int signalNumber);
    // The files the running program has mapped into its memory (the
    // libraries and modules it has loaded), as /proc lists them.
    std::string MappedFiles() const;

    // The id of a visible window of the program whose title matches the
    // regular expression, once one appears; empty on timeout.
    std::string WaitForWindow(const std::string& titlePattern, milliseconds timeout = milliseconds(15000));
    // Waits until no visible window matches.
    bool WaitUntilGone(const std::string& titlePattern, milliseconds timeout = milliseconds(15000));
    std::vector<std::string> VisibleWindows(const std::string& titlePattern);

    // Activates the window and sends it keys ("Return", "alt+c") or text.
    void Key(const std::string& window, const std::string& keys);
    // Text goes at about 400 keys a minute: a drill questions a line over 700.
    void Type(const std::string& window, const std::string& text);
    // Keys to whatever window has the focus (a message box that just opened).
    void KeyToFocused(const std::string& keys);

    // The desktop the program runs on, for what the session does not ask.
    Desktop& OnDesktop() { return *desktop_; }

private:
    void CopyProgramFolder();

    std::unique_ptr<Desktop> desktop_;
    std::vector<std::string> command_;
    std::vector<std::pair<std::string, std::string>> variables_;
    std::optional<test::TempFolder> copy_;  // the copy of the program folder, when the session made one
    std::string folder_;
    pid_t pid_ = -1;
};

}  // namespace zq::e2e
