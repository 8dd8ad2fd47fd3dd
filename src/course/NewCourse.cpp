#include "course/NewCourse.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/AsciiText.h"
#include "base/Translation.h"
#include "course/CourseMaker.h"
#include "course/LanguageCodePages.h"

namespace zq {
namespace {

// A layout none of whose languages has a code page can have no course.
bool MayHaveACourse(const RegistryLayout& layout) {
    return std::ranges::any_of(
        layout.languages, [](const std::string& language) { return LanguageCodePage(language).has_value(); });
}

// Whether `text` holds `part`, letters of either case alike (ASCII ones: the
// registry describes its layouts in English).
bool Holds(std::string_view text, std::string_view part) {
    return AsciiLower(text).find(AsciiLower(part)) != std::string::npos;
}

}  // namespace

NewCourseChooser::NewCourseChooser(NewCourseView& view, CourseMaker& maker, std::string coursesFolder,
                                   std::vector<std::string> takenNames)
    : view_(view),
      maker_(maker),
      coursesFolder_(std::move(coursesFolder)),
      takenNames_(std::move(takenNames)) {
    for (const RegistryLayout& layout : maker_.Registry()) {
        if (!MayHaveACourse(layout)) continue;
        choices_.push_back(
            {layout.description + " (" + layout.Name() + ")", layout.Name(), layout.description});
    }
    // By description, so that a layout ("Polish") comes before its variants
    // ("Polish (Dvorak)").
    std::ranges::stable_sort(choices_, [](const Choice& a, const Choice& b) {
        return std::pair(AsciiLower(a.description), a.name) < std::pair(AsciiLower(b.description), b.name);
    });
}

void NewCourseChooser::Start() {
    SearchChanged({});
}

// The layouts whose description begins with the text come first: "pol"
// finds "Polish" before "Greek (polytonic)".
void NewCourseChooser::SearchChanged(std::string_view textUtf8) {
    const std::string text = AsciiLower(textUtf8);
    const auto begins = [&text](const Choice& choice) {
        return AsciiLower(choice.description).starts_with(text);
    };
    shown_.clear();
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (begins(choices_[i])) shown_.push_back(i);
    }
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (!begins(choices_[i]) && Holds(choices_[i].line, text)) shown_.push_back(i);
    }
    std::vector<std::string> lines;
    for (std::size_t i : shown_) lines.push_back(choices_[i].line);
    view_.ShowLayouts(lines, lines.empty() ? -1 : 0);
}

void NewCourseChooser::MakeClick() {
    if (making_) return;
    const int selected = view_.SelectedLayout();
    if (selected < 0 || static_cast<std::size_t>(selected) >= shown_.size()) {
        view_.ErrorMessage(Tr("Please choose a keyboard layout."));
        return;
    }
    const Choice& choice = choices_[shown_[static_cast<std::size_t>(selected)]];
    const std::string name = FreeName(choice.description);
    making_ = true;
    cancelled_ = false;
    view_.SetMaking(true);
    CourseReport report;
    std::string failure;
    try {
        CourseRequest request;
        request.layout = choice.name;
        request.folder = coursesFolder_ + "/" + name;
        report = maker_.Make(request, [this](int percent, const std::string&) {
            view_.ShowProgress(percent);
            return !cancelled_;
        });
    } catch (const CourseMakingError& error) {
        failure = error.what();
    }
    making_ = false;
    view_.SetMaking(false);
    if (!failure.empty()) {
        view_.ErrorMessage(
            Format(Tr("The course for %s could not be made: %s"), {choice.description, failure}));
        return;
    }
    switch (report.outcome) {
        case CourseOutcome::Made:
            madeCourse_ = name;
            madeLayout_ = choice.name;
            view_.CloseDialog(true);
            return;
        case CourseOutcome::NoCodePage:
            if (!report.lettersLeftOut.empty()) {
                view_.ErrorMessage(
                    Format(Tr("The letters of %s fit no code page that the program keeps its texts in "
                              "(%s do not fit): no course can be made for it."),
                           {choice.description, report.lettersLeftOut}));
                return;
            }
            view_.ErrorMessage(
                Format(Tr("The letters of %s fit no code page that the program keeps its texts "
                          "in: no course can be made for it."),
                       {choice.description}));
            return;
        case CourseOutcome::Cancelled:
            return;
    }
}

void NewCourseChooser::CancelClick() {
    if (making_) {
        cancelled_ = true;
        return;
    }
    view_.CloseDialog(false);
}

// The course takes its layout's name, made fit for a folder, and a number
// when a course of that name is there already.
std::string NewCourseChooser::FreeName(const std::string& description) const {
    const std::string base = CourseFolderName(description);
    const auto taken = [this](const std::string& name) {
        std::error_code unreadable;
        return std::ranges::find(takenNames_, name) != takenNames_.end() ||
               std::filesystem::exists(coursesFolder_ + "/" + name, unreadable);
    };
    std::string name = base;
    for (int number = 2; taken(name); ++number) name = base + " " + std::to_string(number);
    return name;
}

}  // namespace zq
