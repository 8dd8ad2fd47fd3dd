#pragma once

#include <string>

namespace zq {

// Where the program finds its things, worked out once at start and handed to
// whatever opens a file. Every folder ends with "/".
//
// - The data folder holds what the program ships and only reads: the
//   courses, the sound cues, the manual, the translations, the icons and the
//   starter files ("zqc.ini" with one user, "zqgame.ini" with the game's
//   timing) that a new users' folder begins with.
// - The users' folder holds what the program's users make: "zq.ini",
//   "zqc.ini", "zqgame.ini", the practice history "zqstats.db" and the
//   courses they make (under "Courses").
// - The modules folder holds the modules loaded when first needed
//   ("zq-sound-effects.so", "zq-progress-charts.so").
//
// A program folder (the program beside its data, as the build assembles it
// and a per-user install copies it) is all three at once, as long as the
// person running the program can write it. An installed program
// ("<prefix>/bin/zq-typing-tutor", its data in "<prefix>/share/
// zq-typing-tutor", its modules under "<prefix>/lib") keeps its users' files
// in the personal data folder of whoever runs it, as does a program folder
// they cannot write. The layout decides, not the rights alone: root may write
// anywhere, and must not write its files among an installed program's data.
class ProgramPaths {
public:
    // Everything in one folder (ending with "/"): a program folder.
    explicit ProgramPaths(const std::string& folder);

    // The running program's, as its layout and the environment of the person
    // running it say.
    static ProgramPaths OfRunningProgram();
    // The paths of a program file in `programFolder` (ending with "/"):
    // installed when its data lies where an installed program's data lies,
    // else a program folder; its users' files in `personalFolder` (see
    // PersonalDataFolder) when installed or when `folderWritable` is false.
    static ProgramPaths Decide(const std::string& programFolder, bool folderWritable,
                               const std::string& personalFolder);

    const std::string& DataFolder() const { return dataFolder_; }
    const std::string& UsersFolder() const { return usersFolder_; }
    const std::string& ModulesFolder() const { return modulesFolder_; }
    // Whether the users' files lie apart from the data, in a personal data
    // folder that may have to be made and started.
    bool UsersFilesApart() const { return usersFolder_ != dataFolder_; }

private:
    ProgramPaths(std::string dataFolder, std::string usersFolder, std::string modulesFolder);

    std::string dataFolder_;
    std::string usersFolder_;
    std::string modulesFolder_;
};

// The home folder of the person running the program: $HOME, else their
// account's.
std::string HomeFolder();

// The program's folder among a person's data files, as the XDG base
// directories say: "$XDG_DATA_HOME/zq-typing-tutor/" when `xdgDataHome` is an
// absolute path, else "`home`/.local/share/zq-typing-tutor/". `xdgDataHome`
// may be null (unset).
std::string PersonalDataFolder(const char* xdgDataHome, const std::string& home);

}  // namespace zq
