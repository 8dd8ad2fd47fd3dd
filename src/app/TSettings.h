#pragma once

#include <cstdint>
#include <string>

namespace zq {

// The machine-wide settings of the program, kept in "zq.ini" in the
// program's folder (section "General"). One instance, GlobalSettings, lives
// for the whole run.
class TSettings {
public:
    // AppDir is the running program's folder.
    TSettings();
    // AppDir is `appDir` (ending in "/"), for running against another folder.
    explicit TSettings(std::string appDir);
    virtual ~TSettings() = default;

    // Reads "zq.ini"; a missing file, key or unreadable value leaves the
    // default. Always succeeds.
    virtual bool Load();
    // Writes the four keys into "zq.ini", creating it; other keys stay.
    // Raises "Unable to write to %s" when the file cannot be written.
    virtual void Save();

    std::string IniPath() const { return AppDir + "zq.ini"; }

    // The program folder with a trailing "/"; every data file path is this
    // followed by a relative name.
    std::string AppDir;
    // The user who last logged on.
    std::string User = "Default";
    // Carried in the file and written back unchanged.
    bool ToRestoreLayout = true;
    // The font of the windows' own texts.
    std::string FontName = "Arial";
    std::int32_t FontCharset = 1;
};

// The one instance, made and loaded by the program entry before any window.
extern TSettings* GlobalSettings;

}  // namespace zq
