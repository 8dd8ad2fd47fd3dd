#pragma once

#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "app/MainFormViews.h"
#include "app/TZQMainFm.h"
#include "app/TZQStarterBase.h"

class QAction;
class QPushButton;
class QVBoxLayout;

namespace zq {

class DesktopHelpViewer;
class DrillWindows;
class ProgramSpeech;
class ProgressWindowOpener;
class GuidanceWindowSet;
class LearnersDayPanel;
class SoundOutput;
class TSettings;

// The main window: a column of buttons that open the drills, the game, the
// manual and the profile dialog, and beside them the learner's day. Its
// logic is TZQMainFm.
class MainWindow : public QWidget, public MainView, public MainWindowHandle {
    Q_OBJECT

public:
    // `closeLogon` closes the hidden logon dialog, which ends the program.
    MainWindow(TSettings& settings, ProfileEditorFactory& profileDialogs, GameHostFactory& games,
               std::function<void()> closeLogon);
    ~MainWindow() override;

    // MainWindowHandle.
    TZQMainFm& Form() override { return *form_; }
    // The name of the window's 19-pixel font; Qt picks fonts by script, so
    // the character set only rides along.
    void SetWindowFont(const std::string& fontName8, std::int32_t charset) override;
    void Show() override { show(); }

    // MainView.
    void SetActionsShown(bool shown) override;
    void FillScreen() override;
    void FitToControls() override;
    void SetWindowColor(TColor color) override;
    void ShowWindow() override { show(); }
    void HideWindow() override { hide(); }
    void InformationBox(std::string_view utf8) override;
    void PlainBox(std::string_view utf8) override;
    void CloseLogon() override;
    UnstoredChoice AskAfterFailedStore(std::string_view utf8) override;
    void ShowLearnersDay(const LearnersDayTexts& day) override;

    GuidanceWindowSet& Guidance() { return *guidance_; }
    DrillWindows& Drills() { return *drills_; }
    DesktopHelpViewer& Help() { return *help_; }
    ProgramSpeech& Speech() { return *speech_; }

    QAction* A_Course = nullptr;
    QAction* A_Sentence = nullptr;
    QAction* A_Free = nullptr;
    QAction* A_Paragraph = nullptr;
    QAction* A_Adaptive = nullptr;
    QAction* A_Game = nullptr;
    QAction* A_Help = nullptr;
    QAction* A_Profile = nullptr;
    QAction* A_Statistics = nullptr;
    QAction* A_Exit = nullptr;

    QPushButton* CourseBn = nullptr;
    QPushButton* SentenceBn = nullptr;
    QPushButton* FreeBn = nullptr;
    QPushButton* ParagraphBn = nullptr;
    QPushButton* AdaptiveBn = nullptr;
    QPushButton* GameBn = nullptr;
    QPushButton* HelpBn = nullptr;
    QPushButton* ExitBn = nullptr;
    QPushButton* ProfileBn = nullptr;
    QPushButton* StatisticsBn = nullptr;
    // Beside the buttons: the learner's course and day.
    LearnersDayPanel* Day = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The caption of the button with the keyboard focus is blue; the
    // application's quit is noted, so that closing then asks nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddAction(const char* caption, void (TZQMainFm::*activity)());
    QPushButton* AddButton(QAction* action, const char* name);
    void CourseBnEnter(QPushButton& button);
    void CourseBnExit(QPushButton& button);
    // A message raised before the window first shows (while the profile is
    // attached) waits for it, and opens over the finished window.
    void ShowOrHold(QMessageBox::Icon icon, std::string_view utf8);
    void ShowHeldMessages();

    std::unique_ptr<GuidanceWindowSet> guidance_;
    std::unique_ptr<DrillWindows> drills_;
    std::unique_ptr<DesktopHelpViewer> help_;
    std::unique_ptr<SoundOutput> sound_;
    std::unique_ptr<ProgramSpeech> speech_;
    std::unique_ptr<ProgressWindowOpener> progress_;
    std::unique_ptr<TZQMainFm> form_;
    std::function<void()> closeLogon_;
    QVBoxLayout* buttonColumn_ = nullptr;
    QList<QAction*> actions_;
    bool shownOnce_ = false;
    std::vector<std::pair<QMessageBox::Icon, QString>> heldMessages_;
};

}  // namespace zq
