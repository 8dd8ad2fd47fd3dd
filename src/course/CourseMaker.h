#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "course/CourseInfo.h"
#include "course/DictionaryFinder.h"
#include "course/DictionaryPackage.h"
#include "course/LayoutRegistry.h"

namespace zq {

class KeyPicturePainter;

// A course for one keyboard layout of the system, made into a course folder
// of its own: "layout.zqt" (the layout's keyboard template), "course.txt",
// "Practice.txt", "Game.txt" and "course.ini". Toolkit-free: the key
// pictures come from the painter the caller hands in (the Qt one in the
// program and in zq-course).
//
// The course's language is the layout's (see ChooseCourseLanguage), its
// words come from the system's dictionary for that language (see
// FindDictionary) or from one the caller names; without one the course
// drills made-up letter groups. Every character of every line is checked
// against the template before anything is written.
//
// A folder is never half made and a course is never lost: the files are
// written into a new folder beside the target, which takes the target's
// name only when complete. An existing folder is refused unless `replace`
// is set.

struct CourseRequest {
    std::string layout;  // "pl", "us(dvorak)"
    std::string folder;  // the course folder to make
    // A dictionary file of the caller's choice; nothing: the system's.
    std::optional<DictionarySource> dictionary;
    bool useDictionary = true;    // false: made-up letter groups only
    bool replace = false;         // make the course even where a folder exists (the old one goes)
    bool templateAsText = false;  // write the template's description "layout.zqtd" instead of "layout.zqt"
};

enum class CourseOutcome {
    Made,
    NoCodePage,  // the layout's languages have no Windows code page that holds its letters (all of them)
    Cancelled,   // the progress callback asked to stop; nothing was written
};

struct CourseReport {
    CourseOutcome outcome = CourseOutcome::Made;
    CourseInfo info;
    std::size_t courseLines = 0, practiceLines = 0, gameGroups = 0;
    // Remarks for the teacher in words ("No dictionary for fi: ...").
    std::vector<std::string> notes;
    // NoCodePage for letters of the language that the code page cannot
    // hold: those letters, UTF-8, a space between two ("ә ң ғ").
    std::string lettersLeftOut;
};

// A fault that stops making a course, in words for the teacher: an unknown
// layout, a folder that exists, a dictionary that cannot be read, a folder
// that cannot be written.
struct CourseMakingError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Told how far the making has come (0 to 100) and what it does now; returns
// false to cancel.
using CourseProgress = std::function<bool(int percent, const std::string& step)>;

class CourseMaker {
public:
    // `registry`: the system's layouts (ReadLayoutRegistry). The painter
    // must outlive the maker.
    CourseMaker(std::vector<RegistryLayout> registry, KeyPicturePainter& painter);
    ~CourseMaker();

    // Makes the course the request asks for. Throws CourseMakingError.
    CourseReport Make(const CourseRequest& request, const CourseProgress& progress = {});

    // Where the maker looks for the system's dictionaries (tests point it
    // at their own).
    void SetDictionaryFolders(DictionaryFolders folders) { folders_ = std::move(folders); }

    const std::vector<RegistryLayout>& Registry() const { return registry_; }

private:
    const std::vector<std::u32string>& DictionaryWords(const DictionarySource& source);
    const DictionaryPackage& PackageOf(const std::string& path);

    std::vector<RegistryLayout> registry_;
    KeyPicturePainter& painter_;
    DictionaryFolders folders_;
    // Dictionaries read so far, by path: making many courses of one
    // language reads its dictionary once.
    std::map<std::string, std::vector<std::u32string>> dictionaries_;
    std::map<std::string, DictionaryPackage> packages_;
};

// A folder name for a course of a layout, from its description: readable,
// ASCII (the program names course folders in the code page of its
// windows), and free of characters a file name cannot hold.
std::string CourseFolderName(const std::string& description);

}  // namespace zq
