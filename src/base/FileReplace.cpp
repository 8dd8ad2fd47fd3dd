#include "base/FileReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "base/LibraryError.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

// The file that is really replaced: the target of a symbolic link.
fs::path ResolveTarget(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path target = fs::weakly_canonical(path, error);
        if (!error) return target;
    }
    return path;
}

constexpr std::string_view kTemporaryMark = ".tmp-";

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that made a temporary file, from a name of the form
// "<name>.tmp-<process id>-<number>", or that name with a journal SQLite
// keeps beside a database ("-journal", "-wal", "-shm"); nothing for any
// other name.
std::optional<pid_t> MakerOfTemporary(std::string_view name) {
    for (const std::string_view journal : {"-journal", "-wal", "-shm"}) {
        if (name.ends_with(journal)) {
            name.remove_suffix(journal.size());
            break;
        }
    }
    const size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark == 0) return std::nullopt;
    const std::string_view rest = name.substr(mark + kTemporaryMark.size());
    const size_t dash = rest.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::string_view pid = rest.substr(0, dash);
    if (!AllDigits(pid) || !AllDigits(rest.substr(dash + 1)) || pid.size() > 9) return std::nullopt;
    return static_cast<pid_t>(std::stol(std::string(pid)));
}

// A process of that id runs (perhaps as another user), or is this one.
bool ProcessRuns(pid_t pid) {
    return pid > 0 && (pid == getpid() || ::kill(pid, 0) == 0 || errno == EPERM);
}

// Creates a file beside `target` that no one else uses; -1 on failure.
int CreateSiblingFile(const fs::path& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + std::string(kTemporaryMark) + std::to_string(getpid()) + "-" +
               std::to_string(counter++);
        // The kernel applies the user's umask to a new file's permissions.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The new file takes the old one's permissions, so that replacing a file
// never widens or narrows who may read it.
bool KeepPermissions(int fd, const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) return errno == ENOENT;
    if (!S_ISREG(old.st_mode)) return true;  // the rename below will refuse
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a failure here loses nothing that was
// not already on disk, so it is not reported.
void SyncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A file without any write permission was made read-only by its owner:
// the folder would let a new file take its place, which would undo that,
// for the superuser too.
bool MadeReadOnly(const fs::path& target) {
    struct stat file {};
    return ::stat(target.c_str(), &file) == 0 && S_ISREG(file.st_mode) && (file.st_mode & 0222) == 0;
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const fs::path target = ResolveTarget(path);
    if (MadeReadOnly(target)) throw UnableToWriteError(path, EACCES);
    std::string temporary;
    const int fd = CreateSiblingFile(target, temporary);
    if (fd < 0) throw UnableToWriteError(path, errno);

    // The first failure says why.
    int failure = 0;
    if (!WriteAll(fd, bytes) || !KeepPermissions(fd, target) || ::fsync(fd) != 0) failure = errno;
    if (::close(fd) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        throw UnableToWriteError(path, failure);
    }
    SyncFolder(target);
}

std::string MakeTemporaryFileBeside(const std::string& path) {
    std::string name;
    const int fd = CreateSiblingFile(path, name);
    if (fd < 0) {
        throw fs::filesystem_error("cannot make a temporary file", path,
                                   std::error_code(errno, std::generic_category()));
    }
    ::close(fd);
    return name;
}

void RemoveStaleTemporaries(const std::string& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error); !error && entry != fs::directory_iterator();
         entry.increment(error)) {
        const std::optional<pid_t> maker = MakerOfTemporary(entry->path().filename().string());
        std::error_code ignored;
        if (maker && !ProcessRuns(*maker) && entry->is_regular_file(ignored))
            fs::remove(entry->path(), ignored);
    }
}

}  // namespace zq
