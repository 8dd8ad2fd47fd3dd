#pragma once

// Another program at work on the same files: a forked copy of the test that
// runs one function and ends with its exit code. It is killed and waited for
// when the object goes, so that no test leaves a process behind.
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <stdexcept>

namespace zq::test {

class ChildProcess {
public:
    // Runs `body` in the child; its result is the child's exit code.
    template <class Body>
    explicit ChildProcess(Body body) {
        pid_ = fork();
        if (pid_ == -1) throw std::runtime_error("cannot start a child process");
        if (pid_ == 0) _exit(body());
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }

    // Waits for the child to end: its exit code, or nothing when a signal
    // ended it.
    std::optional<int> Wait() {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        if (WIFEXITED(status)) return WEXITSTATUS(status);
        return std::nullopt;
    }
    // Ends the child at once, as a kill by the user or the system does.
    void Kill() {
        kill(pid_, SIGKILL);
        Wait();
    }

private:
    pid_t pid_ = -1;
};

// A one-way signal between a child and the test: one side waits until the
// other has reached a point.
class Handshake {
public:
    Handshake() {
        if (pipe(ends_) != 0) throw std::runtime_error("cannot make a pipe");
    }
    ~Handshake() {
        close(ends_[0]);
        close(ends_[1]);
    }
    Handshake(const Handshake&) = delete;
    Handshake& operator=(const Handshake&) = delete;

    void Signal() {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(ends_[1], &byte, 1);
    }
    // False when no signal came within ten seconds.
    bool Wait() {
        pollfd readable{.fd = ends_[0], .events = POLLIN, .revents = 0};
        char byte = 0;
        return poll(&readable, 1, 10'000) == 1 && read(ends_[0], &byte, 1) == 1;
    }

private:
    int ends_[2] = {-1, -1};
};

}  // namespace zq::test
