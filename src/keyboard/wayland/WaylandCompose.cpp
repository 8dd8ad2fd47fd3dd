#include "keyboard/wayland/WaylandCompose.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/FileReplace.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

// An environment variable that the program changes for a while, and puts
// back as it found it.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {}

    void Replace(const std::string& value) {
        if (!saved_) {
            const char* old = std::getenv(name_);
            old_ = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
            saved_ = true;
        }
        setenv(name_, value.c_str(), 1);
    }
    void Restore() {
        if (!saved_) return;
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
        saved_ = false;
    }

private:
    const char* name_;
    bool saved_ = false;
    std::optional<std::string> old_;  // nothing: it was not set
};

SavedVariable inputModule("QT_IM_MODULE");
SavedVariable composeFile("XCOMPOSEFILE");

bool QtWillRunOnWayland() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') return std::string_view(platform).starts_with("wayland");
    // Without a choice, Qt takes Wayland whenever a Wayland display is there.
    const char* display = std::getenv("WAYLAND_DISPLAY");
    return display != nullptr && *display != '\0';
}

// A compose file with no sequence in it (libxkbcommon refuses an empty
// file), in the user's private runtime folder, which a Wayland session has.
std::optional<std::string> FileWithoutSequences() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime != '/') return std::nullopt;
    const std::string path = std::string(runtime) + "/zq-typing-tutor.XCompose";
    try {
        ReplaceFileContents(path,
                            "# ZQ Typing Tutor composes dead keys itself on Wayland: Qt is given no "
                            "sequences.\n");
    } catch (const LibraryError&) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

void ChooseWaylandComposeContext() {
    if (QtWillRunOnWayland()) inputModule.Replace("compose");
}

void TakeComposingFromQt() {
    if (const std::optional<std::string> path = FileWithoutSequences()) composeFile.Replace(*path);
}

void RestoreComposeEnvironment() {
    inputModule.Restore();
    composeFile.Restore();
}

}  // namespace zq
