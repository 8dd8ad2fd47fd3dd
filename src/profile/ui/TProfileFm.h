#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "keyboard/TKeyboardLayoutAgent.h"
#include "profile/ProfileDialog.h"
#include "profile/ProfileDialogView.h"
#include "profile/ProfileStore.h"
#include "profile/TProfile.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace zq {

class ColorComboBox;

// The profile dialog: shows and edits one profile, stores it or a copy under
// a new user name, erases users from the profile file, and activates
// keyboard layouts. What it does lives in ProfileDialog; this window shows
// and reports.
//
// The opener creates it, calls SetCourses and SetAgent (and SetWindowFont
// when the global settings' font applies), runs ExecuteEdit or
// ExecuteNewUser, and frees it.
class TProfileFm : public QDialog, public ProfileDialogView {
    Q_OBJECT

public:
    // The font and colour choosers the dialog opens (tests give stubs).
    using FontChooser =
        std::function<std::optional<TFontRecord>(QWidget* parent, const TFontRecord& initial)>;
    using ColorChooser = std::function<std::optional<TColor>(QWidget* parent, TColor initial)>;

    explicit TProfileFm(const ProfileStore& store, QWidget* parent = nullptr);

    void SetAgent(TKeyboardLayoutAgent* agent) { logic_.SetAgent(agent); }
    // 8-bit names of the course folders.
    void SetCourses(const ProgramPaths& paths) { logic_.SetCourses(paths); }
    // The font of the dialog's own texts (its size stays). The character
    // set is a Windows notion: the desktop's fonts cover every script, so
    // it only rides along.
    void SetWindowFont(const std::string& fontName8, std::int32_t charset);

    // Shows the dialog modally on the profile (not owned): QDialog::Accepted
    // after Apply, QDialog::Rejected after Close.
    int ExecuteEdit(TProfile& profile);
    // The same for a new user's profile: Save and Erase hidden, and Apply
    // needs a user name, which becomes the profile's UserName.
    int ExecuteNewUser(TProfile& profile);

    ProfileDialog& Logic() { return logic_; }
    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }
    void SetColorChooser(ColorChooser chooser) { colorChooser_ = std::move(chooser); }

    // ProfileDialogView.
    void SetUserText(std::string_view text8) override;
    std::string UserText() const override;
    void SetUserList(const std::vector<std::string>& names8) override;
    void ShowCourseList(const std::vector<std::string>& namesUtf8) override;
    void SelectCourse(int index, std::string_view placeholderUtf8) override;
    int SelectedCourse() const override;
    std::optional<std::string> MakeNewCourse(const std::string& coursesFolder,
                                             const std::vector<std::string>& takenNames) override;
    void SetProgressText(std::string_view utf8) override;
    void SetTimeText(std::string_view utf8) override;
    void ShowExampleFont(ExampleFont example, const TFontRecord& font) override;
    void SetGameExampleBackground(TColor color) override;
    void ShowColors(ColorBox box, const ColorList& colors) override;
    std::vector<std::string> FontFamilies() const override;
    void SetSwitch(ProfileSwitch which, bool on) override;
    bool Switch(ProfileSwitch which) const override;
    void SetNumber(ProfileNumber which, std::int32_t value) override;
    std::int32_t Number(ProfileNumber which) const override;
    void SetLayoutInfo(const std::vector<std::string>& lines8) override;
    void SetLayoutList(const std::vector<std::string>& lines8) override;
    void SelectLayout(int index) override;
    int SelectedLayout() const override;
    void SetOriginalLayoutName(std::string_view name8) override;
    void HideSaveAndErase() override;
    std::optional<TFontRecord> ChooseFont(const TFontRecord& initial) override;
    std::optional<TColor> ChooseColor(TColor initial) override;
    void PlainMessage(std::string_view utf8) override;
    void InformationMessage(std::string_view utf8) override;
    void ErrorMessage(std::string_view utf8) override;
    bool Confirm(std::string_view utf8) override;
    void CloseDialog(bool accepted) override;

    // The controls, by the names the program knows them.
    QLabel* UserLb = nullptr;
    QComboBox* UserEd = nullptr;
    QLabel* CourseLb = nullptr;
    QComboBox* CourseEd = nullptr;
    QLabel* ProgressCaptionLb = nullptr;
    QLabel* ProgressLb = nullptr;
    QLabel* TimeCaptionLb = nullptr;
    QLabel* TimeLb = nullptr;
    QTabWidget* ProfileTabs = nullptr;
    // "Layout" tab.
    QWidget* LayoutTab = nullptr;
    QPushButton* SetFontBn = nullptr;
    QLineEdit* ExampleEd = nullptr;
    QPushButton* ParagraphFontBn = nullptr;
    QLineEdit* ParagraphExampleEd = nullptr;
    QPushButton* GameFontBn = nullptr;
    QLineEdit* GameExampleEd = nullptr;
    QLabel* BgColorLb = nullptr;
    ColorComboBox* EdColor = nullptr;
    QLabel* GameBgColorLb = nullptr;
    ColorComboBox* ColorEd = nullptr;
    QCheckBox* ChkEasyReading = nullptr;
    // "Misc" tab.
    QWidget* MiscTab = nullptr;
    QCheckBox* ChkFunSpeed = nullptr;
    QCheckBox* HighlightEd = nullptr;
    QCheckBox* BlinkingEd = nullptr;
    QCheckBox* ChkFullScreen = nullptr;
    QCheckBox* ChkDrillSoundEnabled = nullptr;
    QCheckBox* ChkGameSoundEnabled = nullptr;
    QCheckBox* ChkPopupAtEnd = nullptr;
    QCheckBox* ChkShowModifiers = nullptr;
    QCheckBox* ChkSpeak = nullptr;
    QLabel* LbSpeechRate = nullptr;
    QSpinBox* SpeechRateEd = nullptr;
    // "Goals" tab.
    QWidget* GoalsTab = nullptr;
    QLabel* TargetSpeedLb = nullptr;
    QSpinBox* TargetSpeedEd = nullptr;
    QLabel* DailyGoalLb = nullptr;
    QSpinBox* DailyGoalEd = nullptr;
    // "Keyboard" tab.
    QWidget* KeyboardTab = nullptr;
    QLabel* KeyboardsLb = nullptr;
    QComboBox* KeyboardsCombo = nullptr;
    QPlainTextEdit* InfoMemo = nullptr;
    QLabel* OriginalKeyboardCaptionLb = nullptr;
    QLabel* OriginalKeyboardNameLb = nullptr;
    QPushButton* BnApplyKb = nullptr;
    // Below the tabs.
    QPushButton* OkBn = nullptr;
    QPushButton* EraseBn = nullptr;
    QPushButton* BnApply = nullptr;
    QPushButton* CancelBn = nullptr;

private:
    void FormCreate();
    QWidget* CreateLayoutTab();
    QWidget* CreateMiscTab();
    QWidget* CreateGoalsTab();
    QWidget* CreateKeyboardTab();
    QLayout* CreateButtonRow();
    int ExecuteDialog();
    void FitClientArea();
    void PlaceInTheMiddleOfTheScreen();
    QLineEdit* Example(ExampleFont example) const;
    ColorComboBox* ColorBoxOf(ColorBox box) const;
    QCheckBox* CheckBoxOf(ProfileSwitch which) const;
    QSpinBox* NumberBoxOf(ProfileNumber which) const;

    ProfileDialog logic_;
    FontChooser fontChooser_;  // of the three font buttons
    ColorChooser colorChooser_;
};

}  // namespace zq
