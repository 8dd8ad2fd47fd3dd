#include "course/NewCourse.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/AsciiText.h"
#include "base/Translation.h"
#include "course/CourseMaker.h"
#include "course/LanguageCodePages.h"
#include "course/LayoutDescriptionTranslation.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

// A layout none of whose languages has a code page can have no course.
bool MayHaveACourse(const RegistryLayout& layout) {
    return std::ranges::any_of(
        layout.languages, [](const std::string& language) { return LanguageCodePage(language).has_value(); });
}

// Letters of either case alike, of every script ("Ελληνικά", "Évier").
std::string Lowered(std::string_view utf8) {
    std::u32string text = FromUtf8Text(utf8);
    for (char32_t& ch : text) ch = ToLowerCase(ch);
    return ToUtf8Text(text);
}

bool Holds(const std::string& lowered, const std::string& part) {
    return lowered.find(part) != std::string::npos;
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
        std::string shown = TranslatedLayoutDescription(layout.description);
        choices_.push_back({shown + " (" + layout.Name() + ")", layout.Name(), layout.layout,
                            layout.description, std::move(shown)});
    }
}

void NewCourseChooser::Start() {
    // By description, so that a layout ("Polish") comes before its variants
    // ("Polish (Dvorak)"); descriptions alike by name.
    std::ranges::stable_sort(choices_, [this](const Choice& a, const Choice& b) {
        if (view_.ComesBefore(a.shown, b.shown)) return true;
        if (view_.ComesBefore(b.shown, a.shown)) return false;
        return a.name < b.name;
    });
    SearchChanged({});
}

// A layout's code typed whole ("de") finds that layout first, though "de"
// is also in "(no dead keys)"; a description that begins with the text comes
// before one that holds it: "pol" finds "Polish" before "Greek (polytonic)".
std::optional<int> NewCourseChooser::Fit(const Choice& choice, const std::string& lowerText) {
    if (lowerText.empty()) return 0;
    if (AsciiLower(choice.name) == lowerText) return 0;
    if (AsciiLower(choice.layout) == lowerText) return 1;
    const std::string shown = Lowered(choice.shown), english = Lowered(choice.description);
    if (shown.starts_with(lowerText) || english.starts_with(lowerText)) return 2;
    if (Holds(Lowered(choice.line), lowerText) || Holds(english, lowerText)) return 3;
    return std::nullopt;
}

void NewCourseChooser::SearchChanged(std::string_view textUtf8) {
    const std::string text = Lowered(textUtf8);
    std::vector<std::pair<int, std::size_t>> fits;
    for (std::size_t i = 0; i < choices_.size(); ++i)
        if (const std::optional<int> fit = Fit(choices_[i], text)) fits.emplace_back(*fit, i);
    std::ranges::stable_sort(fits, {}, &std::pair<int, std::size_t>::first);
    shown_.clear();
    std::vector<std::string> lines;
    for (const auto& [fit, i] : fits) {
        shown_.push_back(i);
        lines.push_back(choices_[i].line);
    }
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
        view_.ErrorMessage(Format(Tr("The course for %s could not be made: %s"), {choice.shown, failure}));
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
                           {choice.shown, report.lettersLeftOut}));
                return;
            }
            view_.ErrorMessage(
                Format(Tr("The letters of %s fit no code page that the program keeps its texts "
                          "in: no course can be made for it."),
                       {choice.shown}));
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
