#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "course/LayoutRegistry.h"

namespace zq {

class CourseMaker;

// What the logic of the "New course for a keyboard layout" window asks of
// the window.
class NewCourseView {
public:
    virtual ~NewCourseView() = default;
    // The layouts shown, one line each (UTF-8), and the one selected (-1:
    // none).
    virtual void ShowLayouts(const std::vector<std::string>& linesUtf8, int selected) = 0;
    virtual int SelectedLayout() const = 0;
    // While a course is made the choosing controls rest and the progress
    // shows; Cancel stays.
    virtual void SetMaking(bool making) = 0;
    // How far the making has come, 0 to 100. The window lets the learner's
    // clicks through meanwhile, so that Cancel can be pressed.
    virtual void ShowProgress(int percent) = 0;
    virtual void ErrorMessage(std::string_view utf8) = 0;
    // Whether one text (UTF-8) comes before another in the alphabetical
    // order of the windows' language, letter case aside ("Älvdalisch"
    // among the "A"s in German). The window's toolkit knows the order of
    // every language; the C library only those of the locales installed.
    virtual bool ComesBefore(std::string_view aUtf8, std::string_view bUtf8) const = 0;
    // Ends the window's modal run: with a course made or not.
    virtual void CloseDialog(bool made) = 0;
};

// The logic of the window that makes a course for one of the computer's
// keyboard layouts: lists the layouts of the system's registry whose
// language has a code page, by their descriptions in the windows' language
// ("Polish", "Polnisch"), narrows the list to a search text, and makes the
// chosen layout's course in the courses folder it is given, under a name no
// course has yet.
class NewCourseChooser {
public:
    // `registry`: the layouts to offer (ReadLayoutRegistry); `coursesFolder`:
    // where the course folder goes, without a trailing "/"; `takenNames`: the
    // names of the courses there are; the maker (not owned) makes the
    // course.
    NewCourseChooser(NewCourseView& view, CourseMaker& maker, std::string coursesFolder,
                     std::vector<std::string> takenNames);

    // Fills the window's list, in the alphabetical order of the descriptions
    // shown.
    void Start();
    // The search box changed: only the layouts whose description (as shown
    // or the registry's English one) or name holds the text, ignoring letter
    // case, are listed: first the layout of that name ("de"), then its
    // variants, then those whose description begins with the text, then the
    // others.
    void SearchChanged(std::string_view textUtf8);
    // "Make course": makes the course of the selected layout.
    void MakeClick();
    // "Cancel": stops a course being made, else closes the window.
    void CancelClick();

    // The name of the course made (its folder's name, UTF-8); empty until
    // one is made.
    const std::string& MadeCourse() const { return madeCourse_; }
    // The layout of the course made ("pl", "us(dvorak)").
    const std::string& MadeLayout() const { return madeLayout_; }

private:
    struct Choice {
        std::string line;         // what the list shows
        std::string name;         // "us(dvorak)"
        std::string layout;       // "us"
        std::string description;  // the registry's, in English
        std::string shown;        // the description in the windows' language
    };
    // How well a choice fits a search text; lower comes first, none: no fit.
    static std::optional<int> Fit(const Choice& choice, const std::string& lowerText);
    std::string FreeName(const std::string& description) const;

    NewCourseView& view_;
    CourseMaker& maker_;
    std::string coursesFolder_;
    std::vector<std::string> takenNames_;
    std::vector<Choice> choices_;     // every layout offered, by description once started
    std::vector<std::size_t> shown_;  // the choices the list shows, in order
    bool making_ = false;
    bool cancelled_ = false;
    std::string madeCourse_;
    std::string madeLayout_;
};

}  // namespace zq
