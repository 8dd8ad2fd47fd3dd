#include "app/ui/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/TSettings.h"
#include "app/ui/DrillWindows.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/LearnersDayPanel.h"
#include "app/ui/ProgramSpeech.h"
#include "app/ui/ProgressWindowOpener.h"
#include "app/ui/SoundModuleOutput.h"
#include "base/CodePage.h"
#include "base/Translation.h"
#include "base/ui/AccessibleRole.h"
#include "base/ui/Colors.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/TerminationSignals.h"
#include "base/ui/Utf8Text.h"
#include "course/CourseList.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindowSet.h"

namespace zq {
namespace {

// Buttons of 200 by 32, 37 apart from the top 29 at the left 8, in a client
// area of at least 217 by 345.
constexpr int kButtonWidth = 200;
constexpr int kButtonHeight = 32;
constexpr int kButtonGap = 37 - kButtonHeight;
constexpr QMargins kButtonMargins(8, 29, 9, 25);

// The room a button leaves on each side of its caption beyond the style's
// own margin: about a letter's height.
int CaptionRoom(const QPushButton& button) {
    return button.fontMetrics().height();
}
constexpr QSize kClientSize(217, 345);
constexpr int kFontPixels = 19;
constexpr int kPanelGap = 12;

// The button follows its action: caption, visibility, enabled state.
void BindButton(QPushButton& button, QAction& action) {
    button.setText(action.text());
    QObject::connect(&button, &QPushButton::clicked, &action, &QAction::trigger);
    QObject::connect(&action, &QAction::changed, &button, [&button, &action] {
        button.setText(action.text());
        button.setVisible(action.isVisible());
        button.setEnabled(action.isEnabled());
    });
}

}  // namespace

MainWindow::MainWindow(TSettings& settings, ProfileEditorFactory& profileDialogs, GameHostFactory& games,
                       std::function<void()> closeLogon)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint),
      guidance_(std::make_unique<GuidanceWindowSet>(DataMod(), this)),
      drills_(std::make_unique<DrillWindows>(*guidance_, this, CoursesFolder(settings.Paths().DataFolder()))),
      help_(std::make_unique<DesktopHelpViewer>()),
      sound_(SoundModuleOutput::FromModulesFolder(settings.Paths().ModulesFolder())),
      speech_(std::make_unique<ProgramSpeech>(settings.Paths().ModulesFolder())),
      progress_(std::make_unique<ProgressWindowOpener>(settings.Paths().ModulesFolder(), this)),
      closeLogon_(std::move(closeLogon)) {
    // First: Qt keeps the first interface it makes for a widget, and the
    // title makes one.
    SetAccessibleRole(*this, QAccessible::Window);
    setObjectName(QStringLiteral("ZQMainFm"));
    setWindowTitle(QString::fromUtf8(Tr("ZQ Typing Tutor")));
    setAutoFillBackground(true);
    SetWindowFont(settings.FontName, settings.FontCharset);

    form_ = std::make_unique<TZQMainFm>(MainFormParts{*this, *drills_, *guidance_, games, *help_,
                                                      profileDialogs, *sound_, *speech_, *progress_},
                                        settings);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kButtonMargins);
    layout->setSpacing(kPanelGap);
    buttonColumn_ = new QVBoxLayout;
    buttonColumn_->setSpacing(kButtonGap);
    layout->addLayout(buttonColumn_);
    A_Course = AddAction(Tr("&Course"), &TZQMainFm::StartCourse);
    A_Sentence = AddAction(Tr("&Sentence Drills"), &TZQMainFm::StartSentenceDrill);
    A_Free = AddAction(Tr("&Free Drills"), &TZQMainFm::StartFreeDrill);
    A_Paragraph = AddAction(Tr("&Paragraph Drills"), &TZQMainFm::StartParagraphDrill);
    A_Adaptive = AddAction(Tr("&Adaptive Drill"), &TZQMainFm::StartAdaptiveDrill);
    A_Game = AddAction(Tr("&Game"), &TZQMainFm::StartGame);
    A_Help = AddAction(Tr("&Help"), &TZQMainFm::OpenHelp);
    A_Exit = AddAction(Tr("E&xit"), nullptr);
    connect(A_Exit, &QAction::triggered, this, &QWidget::close);
    A_Profile = AddAction(Tr("P&rofile"), &TZQMainFm::EditProfile);
    A_Statistics = AddAction(Tr("S&tatistics"), &TZQMainFm::OpenStatistics);

    // In tab order, top to bottom; the adaptive drill follows the other
    // drills, Profile stands below Exit, Statistics below Profile.
    CourseBn = AddButton(A_Course, "CourseBn");
    SentenceBn = AddButton(A_Sentence, "SentenceBn");
    FreeBn = AddButton(A_Free, "FreeBn");
    ParagraphBn = AddButton(A_Paragraph, "ParagraphBn");
    AdaptiveBn = AddButton(A_Adaptive, "AdaptiveBn");
    GameBn = AddButton(A_Game, "GameBn");
    HelpBn = AddButton(A_Help, "HelpBn");
    ExitBn = AddButton(A_Exit, "ExitBn");
    ProfileBn = AddButton(A_Profile, "ProfileBn");
    StatisticsBn = AddButton(A_Statistics, "StatisticsBn");
    buttonColumn_->addStretch(1);
    Day = new LearnersDayPanel(this);
    layout->addWidget(Day, 0, Qt::AlignTop);

    // One width for all, wide enough for the longest caption with room on
    // both sides (a translated caption can be far longer than the English
    // one), also when the window fills the screen.
    int width = kButtonWidth;
    for (const QPushButton* button : findChildren<QPushButton*>())
        width = std::max(width, button->sizeHint().width() + 2 * CaptionRoom(*button));
    for (QPushButton* button : findChildren<QPushButton*>()) button->setFixedWidth(width);
}

MainWindow::~MainWindow() {
    form_.reset();  // before the windows it drives
}

QAction* MainWindow::AddAction(const char* caption, void (TZQMainFm::*activity)()) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    if (activity != nullptr)
        connect(action, &QAction::triggered, this, [this, activity] { (*form_.*activity)(); });
    actions_.append(action);
    return action;
}

QPushButton* MainWindow::AddButton(QAction* action, const char* name) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedHeight(kButtonHeight);
    button->setAutoDefault(false);
    button->installEventFilter(this);
    BindButton(*button, *action);
    buttonColumn_->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

void MainWindow::SetWindowFont(const std::string& fontName8, std::int32_t /*charset*/) {
    QFont windowFont(QString::fromStdString(ToUtf8(fontName8)));
    windowFont.setPixelSize(kFontPixels);
    setFont(windowFont);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && event->type() == QEvent::FocusIn) CourseBnEnter(*button);
    if (button != nullptr && event->type() == QEvent::FocusOut) CourseBnExit(*button);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::CourseBnEnter(QPushButton& button) {
    QPalette caption = button.palette();
    caption.setColor(QPalette::ButtonText, Qt::blue);
    button.setPalette(caption);
}

void MainWindow::CourseBnExit(QPushButton& button) {
    QPalette caption = button.palette();
    caption.setColor(QPalette::ButtonText, Qt::black);
    button.setPalette(caption);
}

// MainView.

void MainWindow::SetActionsShown(bool shown) {
    for (QAction* action : actions_) {
        action->setVisible(shown);
        action->setEnabled(shown);
    }
}

void MainWindow::FillScreen() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void MainWindow::FitToControls() {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    setFixedSize(layout()->sizeHint().expandedTo(kClientSize));
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::SetWindowColor(TColor color) {
    QPalette window = palette();
    window.setColor(QPalette::Window, ToQColor(color, window.color(QPalette::Window)));
    setPalette(window);
}

void MainWindow::InformationBox(std::string_view utf8) {
    ShowOrHold(QMessageBox::Information, utf8);
}

void MainWindow::PlainBox(std::string_view utf8) {
    ShowOrHold(QMessageBox::NoIcon, utf8);
}

void MainWindow::ShowOrHold(QMessageBox::Icon icon, std::string_view utf8) {
    if (!shownOnce_) {
        heldMessages_.emplace_back(icon, FromUtf8View(utf8));
        return;
    }
    ShowMessageBox(isVisible() ? this : nullptr, icon, FromUtf8View(utf8));
}

void MainWindow::ShowHeldMessages() {
    for (auto& [icon, text] : std::exchange(heldMessages_, {})) ShowMessageBox(this, icon, text);
}

void MainWindow::CloseLogon() {
    if (closeLogon_) closeLogon_();
}

MainView::UnstoredChoice MainWindow::AskAfterFailedStore(std::string_view utf8) {
    QPushButton* retry = nullptr;
    QPushButton* end = nullptr;
    const QAbstractButton* clicked = AskWithButtons(
        isVisible() ? this : nullptr, QMessageBox::Warning, FromUtf8View(utf8), [&](QMessageBox& box) {
            retry = box.addButton(QMessageBox::Retry);
            end = box.addButton(QString::fromUtf8(Tr("&End without storing")), QMessageBox::DestructiveRole);
            box.setEscapeButton(box.addButton(QMessageBox::Cancel));  // back to the window
            box.setDefaultButton(retry);
        });
    // Told to end while the box was open: the box has gone, and so does the program.
    if (ProgramToldToEnd() || clicked == end) return UnstoredChoice::EndWithoutStoring;
    return clicked == retry ? UnstoredChoice::Retry : UnstoredChoice::KeepOpen;
}

void MainWindow::ShowLearnersDay(const LearnersDayTexts& day) {
    Day->ShowDay(day);
}

// Events.

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    shownOnce_ = true;
    form_->FormShow();
    // The day is read once the window is on screen: the logon never waits
    // for the history. Then what was held for the window.
    QTimer::singleShot(0, this, [this] {
        form_->ShowLearnersDay();
        ShowHeldMessages();
    });
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Exit is the cancel button: Esc closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ExitBn->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Told to end (a termination signal, the session's end): Qt closes the
    // windows without a question.
    const bool toldToEnd = ProgramToldToEnd();
    if (toldToEnd && (drills_->OpenWindow() != nullptr || form_->GameBusy())) {
        // Qt has closed the drill or game window first: its practice time
        // and position reach the profile once the drill has returned, and
        // the game must not be freed while its own question is still open;
        // the window closes then.
        event->ignore();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (form_->FormClose(!toldToEnd)) {
        event->accept();
    } else {
        event->ignore();  // the learner keeps the window: nothing is lost while it stays open
    }
}

}  // namespace zq
