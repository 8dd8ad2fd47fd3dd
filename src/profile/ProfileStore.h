#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/FileLock.h"
#include "profile/TProfile.h"

namespace zq {
class IniFile;
}

namespace zq {

// The profile file "zqc.ini": one section per user, named after the user.
// Every operation reads the file afresh, so two stores of one file (or a
// store and a person editing the file) never work on stale content. Names
// of courses are kept in UTF-8 (see IniFile), all else in the code page. A
// change reads, changes and replaces the file under the lock of the lock file
// beside it ("zqc.ini.lock"), so that two programs changing the file at once
// never lose each other's changes.
class ProfileStore {
public:
    // `path` is the program folder followed by "zqc.ini".
    explicit ProfileStore(std::string path);

    const std::string& Path() const { return path_; }

    // The users, in the order their sections stand in the file, each once
    // (see RepeatedUsers).
    std::vector<std::string> UserNames() const;
    // A section for a user the file holds already, under a name that
    // differs at most in case: only the first one is read and written.
    struct RepeatedUser {
        std::string name;       // as the repeat's header spells it, 8-bit
        std::size_t line;       // of the repeat's header, from 1
        std::string firstName;  // the user's section that counts
        std::size_t firstLine;
    };
    std::vector<RepeatedUser> RepeatedUsers() const;
    bool HasUser(const std::string& name) const;
    // Why the profile file exists but cannot be read (the system's reason);
    // empty when it can be read or is missing.
    std::string WhyUnreadable() const;

    // Fills `profile` from the section (a missing file or section gives the
    // defaults of every field). A value that is not an integer where one is
    // needed raises "'%s' is not a valid integer value", followed by the key,
    // the user and the file that hold it.
    void LoadSection(TProfile& profile, const std::string& section) const;
    // Writes every key of the profile into the section with one write,
    // creating file and section as needed; other keys of the section stay.
    void StoreSection(const TProfile& profile, const std::string& section) const;
    // Writes only the keys of ProgressToStrings in the same way.
    void StoreProgress(const TProfile& profile, const std::string& section) const;
    void EraseSection(const std::string& section) const;

    // Lets the profile's Load, Save, SaveAs and SaveProgress reach this
    // store's file.
    void Attach(TProfile& profile) const;

    // Keeps `user` (without regard to case) for one run of the program while
    // the lock lives; HeldElsewhere() when another run has them.
    FileLock LockUser(const std::string& user) const;
    std::string LockPath() const { return path_ + ".lock"; }

private:
    void StoreLines(const std::vector<std::string>& lines, const std::string& section) const;
    void Change(const std::function<void(IniFile&)>& change) const;

    std::string path_;
};

}  // namespace zq
