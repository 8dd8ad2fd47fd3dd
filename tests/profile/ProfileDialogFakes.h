#pragma once

// A system with a few keyboard layouts for the profile dialog's tests, and a
// recording view for the dialog's logic.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "keyboard/LayoutBackend.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "profile/ProfileDialogView.h"

namespace zq::test {

// Installed: US (00000409), French (0000040C), German (00000407). Every
// installed layout can be activated unless listed in `refused`.
class FakeLayoutBackend : public LayoutBackend {
public:
    std::vector<std::uint32_t> refused;
    std::vector<std::uint32_t> activated;
    std::uint32_t active = 0x04090409;
    std::string notice;  // what the next TakeNotice tells

    std::vector<InstalledLayout> InstalledLayouts() override {
        return {
            {0x00000409, "US", 0, "us"}, {0x0000040C, "French", 0, "fr"}, {0x00000407, "German", 0, "de"}};
    }
    std::vector<std::uint32_t> LoadedLayouts() override { return {active}; }
    std::uint32_t ActiveLayout() override { return active; }
    bool Activate(std::uint32_t identifier) override {
        const bool installed = identifier == 0x409 || identifier == 0x40C || identifier == 0x407;
        if (!installed || std::ranges::count(refused, identifier) > 0) return false;
        activated.push_back(identifier);
        active = identifier << 16 | identifier;
        return true;
    }
    std::string TakeNotice() override { return std::exchange(notice, {}); }
    std::string LocaleText(std::uint16_t languageId, LocaleInfo info) override {
        if (info == LocaleInfo::LanguageId) return LayoutIdentifierText(languageId).substr(4);
        static const std::map<std::uint16_t, std::string> names{
            {0x409, "English"}, {0x40C, "French"}, {0x407, "German"}};
        const auto found = names.find(languageId);
        return found == names.end() ? std::string() : found->second;
    }
};

// An agent over a FakeLayoutBackend that the test can still reach.
struct FakeAgent {
    FakeLayoutBackend* system = nullptr;
    std::unique_ptr<TKeyboardLayoutAgent> agent;

    FakeAgent() {
        auto backend = std::make_unique<FakeLayoutBackend>();
        system = backend.get();
        agent = std::make_unique<TKeyboardLayoutAgent>(std::move(backend));
        agent->Refresh();
    }
};

// Keeps what the logic shows and answers its questions from queues.
class FakeProfileDialogView : public ProfileDialogView {
public:
    struct Message {
        std::string kind;  // "plain", "information", "error", "confirm"
        std::string text;
        bool operator==(const Message&) const = default;
    };

    std::string userText;
    std::vector<std::string> userList;
    std::vector<std::string> courseList;
    int selectedCourse = -1;
    std::string coursePlaceholder;
    // "New course for a keyboard layout...": makes a course in the folder
    // and gives its name, or nothing (cancelled).
    std::function<std::optional<std::string>(const std::string& coursesFolder)> makeCourse;
    std::string newCourseAskedIn;
    std::vector<std::string> newCourseTaken;
    std::string progressText;
    std::string timeText;
    std::map<ExampleFont, TFontRecord> exampleFonts;
    std::optional<TColor> gameExampleBackground;
    std::map<ColorBox, std::vector<ColorEntry>> colorEntries;
    std::map<ColorBox, int> colorSelection;
    std::map<ProfileSwitch, bool> switches;
    std::vector<std::string> fontFamilies{"DejaVu Sans", "DejaVu Sans Mono"};
    std::map<ProfileNumber, std::int32_t> numbers;
    std::vector<std::string> layoutInfo;
    std::vector<std::string> layoutList;
    int selectedLayout = -1;
    std::string originalLayoutName;
    bool saveAndEraseHidden = false;
    std::vector<Message> messages;
    std::optional<bool> closedAccepted;

    std::deque<bool> confirmAnswers;  // Yes when empty
    std::deque<std::optional<TFontRecord>> fontAnswers;
    std::deque<std::optional<TColor>> colorAnswers;
    std::vector<TFontRecord> fontChooserOpenedWith;
    std::vector<TColor> colorChooserOpenedWith;

    void SetUserText(std::string_view text8) override { userText = text8; }
    std::string UserText() const override { return userText; }
    void SetUserList(const std::vector<std::string>& names8) override { userList = names8; }
    void ShowCourseList(const std::vector<std::string>& names) override { courseList = names; }
    void SelectCourse(int index, std::string_view placeholder) override {
        selectedCourse = index;
        coursePlaceholder = placeholder;
    }
    int SelectedCourse() const override { return selectedCourse; }
    std::optional<std::string> MakeNewCourse(const std::string& coursesFolder,
                                             const std::vector<std::string>& takenNames) override {
        newCourseAskedIn = coursesFolder;
        newCourseTaken = takenNames;
        return makeCourse ? makeCourse(coursesFolder) : std::nullopt;
    }
    void SetProgressText(std::string_view utf8) override { progressText = utf8; }
    void SetTimeText(std::string_view utf8) override { timeText = utf8; }
    void ShowExampleFont(ExampleFont example, const TFontRecord& font) override {
        exampleFonts[example] = font;
    }
    void SetGameExampleBackground(TColor color) override { gameExampleBackground = color; }
    void ShowColors(ColorBox box, const ColorList& colors) override {
        colorEntries[box] = colors.Entries();
        colorSelection[box] = colors.SelectedIndex();
    }
    std::vector<std::string> FontFamilies() const override { return fontFamilies; }
    void SetSwitch(ProfileSwitch which, bool on) override { switches[which] = on; }
    bool Switch(ProfileSwitch which) const override {
        const auto found = switches.find(which);
        return found != switches.end() && found->second;
    }
    // As a number box does, the value is brought into the box's range.
    void SetNumber(ProfileNumber which, std::int32_t value) override {
        numbers[which] = std::clamp(value, RangeOf(which).lowest, RangeOf(which).highest);
    }
    std::int32_t Number(ProfileNumber which) const override { return numbers.at(which); }
    void SetLayoutInfo(const std::vector<std::string>& lines8) override { layoutInfo = lines8; }
    void SetLayoutList(const std::vector<std::string>& lines8) override { layoutList = lines8; }
    void SelectLayout(int index) override { selectedLayout = index; }
    int SelectedLayout() const override { return selectedLayout; }
    void SetOriginalLayoutName(std::string_view name8) override { originalLayoutName = name8; }
    void HideSaveAndErase() override { saveAndEraseHidden = true; }
    std::optional<TFontRecord> ChooseFont(const TFontRecord& initial) override {
        fontChooserOpenedWith.push_back(initial);
        return Next(fontAnswers);
    }
    std::optional<TColor> ChooseColor(TColor initial) override {
        colorChooserOpenedWith.push_back(initial);
        return Next(colorAnswers);
    }
    void PlainMessage(std::string_view utf8) override { messages.push_back({"plain", std::string(utf8)}); }
    void InformationMessage(std::string_view utf8) override {
        messages.push_back({"information", std::string(utf8)});
    }
    void ErrorMessage(std::string_view utf8) override { messages.push_back({"error", std::string(utf8)}); }
    bool Confirm(std::string_view utf8) override {
        messages.push_back({"confirm", std::string(utf8)});
        if (confirmAnswers.empty()) return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    void CloseDialog(bool accepted) override { closedAccepted = accepted; }

    // The index of a colour box line by its name; -1 when absent.
    int ColorIndex(ColorBox box, std::string_view name) const {
        const std::vector<ColorEntry>& entries = colorEntries.at(box);
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].name == name) return static_cast<int>(i);
        return -1;
    }

private:
    template <class T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace zq::test
