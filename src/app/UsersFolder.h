#pragma once

#include <string>
#include <vector>

namespace zq {

class ProgramPaths;

// The program folder of a per-user install (`cmake --install` with the
// prefix "~/.local"): "`home`/.local/lib/zq-typing-tutor/", where a learner's
// files lay before the program was installed for everyone.
std::string PerUserInstallFolder(const std::string& home);

// A file or folder that could not be made or copied, and why.
struct UsersFolderFailure {
    std::string path;
    std::string reason;
};

// What starting a users' folder did, for the learner to be told once.
struct UsersFolderStart {
    // The folder whose users' files were copied; empty when none were.
    std::string copiedFrom;
    // The names of the courses made by the learner that came with them.
    std::vector<std::string> coursesCopied;
    std::vector<UsersFolderFailure> failures;
};

// Gets a users' folder that lies apart from the program's data (see
// ProgramPaths) ready for the run; does nothing for a program folder:
// - makes the folder when it is missing;
// - while it holds no profiles ("zqc.ini") yet, copies there the users'
//   files ("zq.ini", "zqc.ini", "zqgame.ini", "zqstats.db") that
//   `formerFolder` holds and it lacks, so that a learner who used a
//   per-user install keeps their profiles and history, and the courses they
//   made (those of its "Courses" that the data folder does not ship); the
//   profiles arrive last, so that a copy cut short by a kill goes on at the
//   next start; `formerFolder` is only read;
// - copies the starter files of the data folder ("zqc.ini" with one user,
//   "zqgame.ini") that the users' folder still lacks.
// A file the users' folder holds is never replaced. Every file arrives whole:
// ini files through a temporary file and a rename, the history through
// SQLite's backup. A file that cannot be copied is listed and the others go
// on; the former folder keeps it.
UsersFolderStart StartUsersFolder(const ProgramPaths& paths, const std::string& formerFolder);

// What the learner is told of it, translated; empty when nothing was copied
// and nothing failed.
std::string UsersFolderMessage(const UsersFolderStart& start, const ProgramPaths& paths);

}  // namespace zq
