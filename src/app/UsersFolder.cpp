#include "app/UsersFolder.h"

#include <filesystem>
#include <system_error>

#include "base/FileReplace.h"
#include "base/ProgramPaths.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "course/CourseList.h"
#include "stats/HistoryCopy.h"
#include "stats/PracticeHistory.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

// The profiles last: their arrival ends the copy (see CopyFormerFiles).
constexpr const char* kIniFiles[] = {"zq.ini", "zqgame.ini", "zqc.ini"};
constexpr const char* kProfilesFile = "zqc.ini";
// What a new users' folder begins with, from the data folder.
constexpr const char* kStarterFiles[] = {"zqc.ini", "zqgame.ini"};

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

bool HoldsUsersFiles(const std::string& folder) {
    for (const char* name : kIniFiles) {
        if (Exists(folder + name)) return true;
    }
    return Exists(folder + kHistoryFileName);
}

class UsersFolderStarter {
public:
    UsersFolderStarter(const ProgramPaths& paths, std::string formerFolder)
        : data_(paths.DataFolder()), users_(paths.UsersFolder()), former_(std::move(formerFolder)) {}

    UsersFolderStart Run() {
        if (!MakeFolder()) return std::move(start_);
        if (!Exists(users_ + kProfilesFile) && former_ != users_ && HoldsUsersFiles(former_))
            CopyFormerFiles();
        for (const char* name : kStarterFiles) {
            if (Exists(data_ + name))
                Attempt(users_ + name, [&] { CopyIniFile(data_ + name, users_ + name); });
        }
        return std::move(start_);
    }

private:
    bool MakeFolder() {
        return Attempt(users_, [&] { fs::create_directories(users_); });
    }

    // Until the profiles have arrived, each start copies what has not: the
    // history and the courses first (they may take long enough for a kill
    // to come in between), the profiles last. What arrived stays as it is.
    void CopyFormerFiles() {
        bool copied = false;
        const std::string history = former_ + kHistoryFileName;
        if (Exists(history) && !Exists(users_ + kHistoryFileName)) {
            copied |= Attempt(users_ + kHistoryFileName,
                              [&] { CopyHistoryFile(history, users_ + kHistoryFileName); });
        }
        CopyMadeCourses();
        for (const char* name : kIniFiles) {
            if (Exists(former_ + name) && !Exists(users_ + name)) {
                copied |= Attempt(users_ + name, [&] { CopyIniFile(former_ + name, users_ + name); });
            }
        }
        if (copied || !start_.coursesCopied.empty()) start_.copiedFrom = former_;
    }

    // The courses of the old folder that the program does not ship were
    // made by the learner; a course of that name the users' folder holds
    // already stays as it is.
    void CopyMadeCourses() {
        const fs::path from = CoursesFolder(former_);
        std::error_code error;
        if (!fs::is_directory(from, error)) return;
        for (const fs::directory_entry& course : fs::directory_iterator(from, error)) {
            const std::string name = course.path().filename().string();
            // A hidden folder is a course that was being made.
            if (!course.is_directory(error) || name.starts_with('.')) continue;
            if (Exists((fs::path(CoursesFolder(data_)) / name).string())) continue;
            const fs::path to = fs::path(CoursesFolder(users_)) / name;
            if (Exists(to.string())) continue;
            if (Attempt(to.string(), [&] { CopyCourseFolder(course.path(), to); }))
                start_.coursesCopied.push_back(name);
        }
    }

    // The course arrives whole: copied into a hidden folder, which no course
    // list shows, then renamed to its name; a copy that fails leaves nothing.
    static void CopyCourseFolder(const fs::path& from, const fs::path& to) {
        std::string hiddenName = ".";
        hiddenName += to.filename().string();
        hiddenName += ".copying";
        const fs::path copying = to.parent_path() / hiddenName;
        fs::remove_all(copying);
        try {
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
                const fs::path target = copying / fs::relative(entry.path(), from);
                if (entry.is_directory())
                    fs::create_directories(target);
                else if (entry.is_regular_file())
                    CopyFile(entry.path().string(), target.string());
            }
            fs::create_directories(copying);  // a course folder without files stays one
            fs::rename(copying, to);
        } catch (...) {
            std::error_code ignored;
            fs::remove_all(copying, ignored);
            throw;
        }
    }

    static void CopyFile(const std::string& from, const std::string& to) {
        fs::create_directories(fs::path(to).parent_path());
        ReplaceFileContents(to, ReadFileBytes(from));
    }

    // A file of the users' folder that is there already stays as it is.
    static void CopyIniFile(const std::string& from, const std::string& to) {
        if (!Exists(to)) CopyFile(from, to);
    }

    template <typename Step>
    bool Attempt(const std::string& path, Step step) {
        try {
            step();
            return true;
        } catch (const std::system_error& error) {  // the file system's, with the system's reason
            start_.failures.push_back({path, error.code().message()});
        } catch (const std::exception& error) {
            start_.failures.push_back({path, error.what()});
        }
        return false;
    }

    std::string data_;
    std::string users_;
    std::string former_;
    UsersFolderStart start_;
};

}  // namespace

std::string PerUserInstallFolder(const std::string& home) {
    return (fs::path(home) / ".local/lib/zq-typing-tutor").lexically_normal().string() + "/";
}

UsersFolderStart StartUsersFolder(const ProgramPaths& paths, const std::string& formerFolder) {
    if (!paths.UsersFilesApart()) return {};
    return UsersFolderStarter(paths, formerFolder).Run();
}

std::string UsersFolderMessage(const UsersFolderStart& start, const ProgramPaths& paths) {
    std::string message;
    if (!start.copiedFrom.empty()) {
        message =
            Format(Tr("Your profiles, settings and practice history have been copied from %s to %s, "
                      "where the program keeps them from now on. The files in %s are left as they were."),
                   {start.copiedFrom, paths.UsersFolder(), start.copiedFrom});
    }
    if (!start.coursesCopied.empty()) {
        std::string names;
        for (const std::string& name : start.coursesCopied) {
            if (!names.empty()) names += ", ";
            names += name;
        }
        if (!message.empty()) message += ' ';
        message += Format(Tr("The courses you made came along: %s."), {names});
    }
    if (!start.failures.empty()) {
        if (!message.empty()) message += "\n\n";
        message += Tr("These files could not be made or copied:");
        for (const UsersFolderFailure& failure : start.failures)
            message += "\n" + failure.path + ": " + failure.reason;
    }
    return message;
}

}  // namespace zq
