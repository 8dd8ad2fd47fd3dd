#pragma once

#include <cstdint>
#include <string>

#include "base/ProgramPaths.h"

namespace zq {

// The machine-wide settings of the program, kept in "zq.ini" in the users'
// folder (section "General"), with the folders every file path starts from.
// One instance, GlobalSettings, lives for the whole run.
class TSettings {
public:
    // The settings of the program whose files lie where `paths` says.
    explicit TSettings(ProgramPaths paths);
    // The settings of a program folder that holds everything (`appDir`
    // ending in "/"), for running against another folder.
    explicit TSettings(const std::string& appDir);
    virtual ~TSettings() = default;

    // Reads "zq.ini"; a missing file, key or unreadable value leaves the
    // default. Always succeeds.
    virtual bool Load();
    // Writes the four keys into "zq.ini", creating it; other keys stay.
    // Raises "Unable to write to %s" when the file cannot be written.
    virtual void Save();

    std::string IniPath() const { return paths_.UsersFolder() + "zq.ini"; }

    // The data, users' and modules folders; every file path is one of them
    // followed by a relative name.
    const ProgramPaths& Paths() const { return paths_; }

    // The user who last logged on.
    std::string User = "Default";
    // Carried in the file and written back unchanged.
    bool ToRestoreLayout = true;
    // The font of the windows' own texts.
    std::string FontName = "Arial";
    std::int32_t FontCharset = 1;

private:
    ProgramPaths paths_;
};

// The one instance, made and loaded by the program entry before any window.
extern TSettings* GlobalSettings;

}  // namespace zq
