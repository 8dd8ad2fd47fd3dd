#include "game/ui/GameFrameWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/Translation.h"
#include "base/ui/AccessibleRole.h"
#include "base/ui/Colors.h"
#include "base/ui/ContrastColors.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/PixelFont.h"
#include "base/ui/ScaledFont.h"
#include "base/ui/TerminationSignals.h"
#include "base/ui/Utf8Text.h"
#include "base/ui/WindowPlacement.h"
#include "drills/ui/KeyTranslation.h"
#include "drills/ui/THInputBox.h"
#include "game/ui/GameOverWindow.h"
#include "game/ui/PlayingArea.h"

namespace zq {
namespace {

// The status panel at its usual size; its rows grow with the status scale.
constexpr int kStatusHeight = 17;
constexpr int kBarWidth = 150;
constexpr int kBarHeight = 16;
constexpr int kLabelTop = 20;
constexpr int kBarTop = 36;
constexpr int kPanelBelowBars = 5;
constexpr int kStatusPixels = 12;
constexpr int kTickMs = 10;
// The most the window waits for the window manager to frame it before a game.
constexpr int kFramingWaitMs = 1000;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int left) {
    auto* label = new QLabel(QString::fromUtf8(Tr(caption)), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, kLabelTop);
    label->adjustSize();
    return label;
}

QProgressBar* MakeBar(QWidget* parent, const char* name, const char* caption, int left, const char* hint) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAccessibleName(QString::fromUtf8(Tr(caption)));
    bar->setGeometry(left, kBarTop, kBarWidth, kBarHeight);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);  // a smooth bar, as in the status panel of old
    bar->setFocusPolicy(Qt::NoFocus);
    if (hint != nullptr) bar->setToolTip(QString::fromUtf8(Tr(hint)));
    return bar;
}

// A bar's trough and frame in the desktop's colours, whatever its panel's;
// its fill (the highlight) stays the game's.
void KeepDesktopTrough(QProgressBar& bar) {
    const QPalette desktop = QApplication::palette(&bar);
    QPalette colors = bar.palette();
    for (const QPalette::ColorRole role :
         {QPalette::Base, QPalette::Window, QPalette::Text, QPalette::WindowText})
        colors.setColor(role, desktop.color(role));
    bar.setPalette(colors);
}

}  // namespace

GameFrameWindow::GameFrameWindow(QWidget* parent) : QWidget(parent) {
    SetAccessibleRole(*this, QAccessible::Window);  // first: see SetAccessibleRole
    setObjectName(QStringLiteral("gameFrame"));
    // A fixed border with only the close box, above every other window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    setFont(FontOfHeight(QStringLiteral("Courier New"), 11));
    // Every key comes to the window itself: no control takes the focus, and
    // input methods deliver composed characters (dead keys) here.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);

    StatusPanel = new QFrame(this);
    // To a screen reader the panel is the game's status, described by its
    // figures and the words on screen (see DescribeStatus).
    SetAccessibleRole(*StatusPanel, QAccessible::StatusBar);
    StatusPanel->setAccessibleName(QString::fromUtf8(Tr("Game status")));
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFrameShape(QFrame::Panel);
    StatusPanel->setFrameShadow(QFrame::Raised);
    StatusPanel->setAutoFillBackground(true);
    StatusPanel->setFocusPolicy(Qt::NoFocus);

    LbStatus = new QLabel(StatusPanel);
    LbStatus->setObjectName(QStringLiteral("LbStatus"));

    ProgressCaptionLb = MakeLabel(StatusPanel, "ProgressCaptionLb", "Progress", 12);
    PbTotalLeft = MakeBar(StatusPanel, "PbTotalLeft", "Progress", 12, nullptr);
    InvaderLifeCaptionLb = MakeLabel(StatusPanel, "InvaderLifeCaptionLb", "Invader Life", 196);
    PbHitLost = MakeBar(StatusPanel, "PbHitLost", "Invader Life", 196, "How many words get hit correctly");
    CityLifeCaptionLb = MakeLabel(StatusPanel, "CityLifeCaptionLb", "City Life", 380);
    PbCityLife = MakeBar(StatusPanel, "PbCityLife", "City Life", 380, "How many city bricks get destroyed");
    LbCityLife = new QLabel(StatusPanel);
    LbCityLife->setObjectName(QStringLiteral("LbCityLife"));
    LbCityLife->setAlignment(Qt::AlignRight | Qt::AlignTop);

    PlayingAreaBox = new PlayingArea(
        picture_, [this] { return frame_->SceneLock(); }, this);
    PlayingAreaBox->setAccessibleName(QString::fromUtf8(Tr("Playing area")));

    TickTimer = new QTimer(this);
    TickTimer->setObjectName(QStringLiteral("TickTimer"));
    // Precise: each tick is due 10 ms after the one before, however long
    // the handler of the one before took.
    TickTimer->setTimerType(Qt::PreciseTimer);
    TickTimer->setInterval(kTickMs);
    connect(TickTimer, &QTimer::timeout, this, &GameFrameWindow::Tick);

    SetStatusLook(1.0, std::nullopt);
    frame_ = std::make_unique<TgameFrame>(*this, *this, picture_);
    FormCreate();
    resize(564, 350);  // until the window is shown and covers the screen
}

GameFrameWindow::~GameFrameWindow() {
    TickTimer->stop();
    frame_.reset();  // the game thread ends before the window it posts to goes
}

void GameFrameWindow::FormCreate() {
    setWindowTitle(QString::fromUtf8(Tr("Game")));
    SetStatusText(Tr("Score"));
}

// --- showing and the geometry -------------------------------------------------

void GameFrameWindow::ShowAndStartGame() {
    const OwnEventLoop starting(ownEventLoops_);
    if (CanPlaceWindows()) {
        show();
    } else {
        showFullScreen();  // the one way to cover the screen there
    }
    raise();
    activateWindow();
    WaitForWindowManager();
    // The frame the window manager gave may differ from the one the window
    // was sized for when it was shown; the game's city is built on the
    // playing area's height, so that height must be final first.
    if (FrameMargins() != coveredWithMargins_) frame_->FormShow();
    setFocus(Qt::ActiveWindowFocusReason);
    try {
        frame_->NewGame();
    } catch (const LibraryError& error) {
        // The event loop's report would open behind this window, which stays
        // above every other window: the same box comes over it instead. The
        // window stays open without a game.
        ShowMessageBox(this, QMessageBox::Warning, QString::fromUtf8(error.what()));
    }
}

void GameFrameWindow::WaitForWindowManager() {
    QElapsedTimer waited;
    waited.start();
    // Input waits: a key must not reach a window that has no game yet.
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < kFramingWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

QMargins GameFrameWindow::FrameMargins() const {
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

void GameFrameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) frame_->FormShow();
}

void GameFrameWindow::CoverScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    coveredWithMargins_ = FrameMargins();
    setFixedSize(area.size().shrunkBy(coveredWithMargins_));
    move(area.topLeft());  // the frame's corner
}

std::int32_t GameFrameWindow::ClientWidth() const {
    return width();
}

void GameFrameWindow::SetPlayingAreaWidth(std::int32_t width) {
    playingAreaWidth_ = width;
    LayOutPlayingArea();
}

void GameFrameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutStatus();
}

// As a drill's status bar: at a larger scale the status line may take two
// lines (a long language at a large scale factor would cut its end off),
// and the rows below move down to make room.
void GameFrameWindow::SetStatusLook(double scale, const std::optional<ContrastPalette>& palette) {
    const double grown = std::max(scale, 1.0);
    gameOverLook_ = {grown, palette};
    const QFont statusFont = ScaledFont(FontOfHeight(QStringLiteral("Courier New"), kStatusPixels), grown);
    LbStatus->setFont(statusFont);
    ShowStatusText();
    LbStatus->setWordWrap(grown > 1);
    LbStatus->setAlignment(Qt::AlignLeft | (grown > 1 ? Qt::AlignTop : Qt::AlignVCenter));
    constexpr int kTwoLineMargin = 2;
    statusHeight_ = grown > 1 ? 2 * QFontMetrics(statusFont).lineSpacing() + kTwoLineMargin : kStatusHeight;
    const int labelTop = statusHeight_ + (kLabelTop - kStatusHeight);
    int captionHeight = 0;
    for (QLabel* caption : {ProgressCaptionLb, InvaderLifeCaptionLb, CityLifeCaptionLb}) {
        caption->setFont(ScaledFont(font(), grown));
        caption->adjustSize();
        caption->move(caption->x(), labelTop);
        captionHeight = std::max(captionHeight, caption->height());
    }
    const int barTop = labelTop + std::max(kBarTop - kLabelTop, captionHeight);
    panelHeight_ = barTop + kBarHeight + kPanelBelowBars;
    for (QProgressBar* bar : {PbTotalLeft, PbHitLost, PbCityLife}) bar->move(bar->x(), barTop);
    LbCityLife->setGeometry(471, labelTop, 59, barTop - labelTop);
    PaintStatus(palette);
    LayOutStatus();
}

void GameFrameWindow::PaintStatus(const std::optional<ContrastPalette>& palette) {
    QList<QWidget*> parts{StatusPanel,          LbStatus,          ProgressCaptionLb,
                          InvaderLifeCaptionLb, CityLifeCaptionLb, LbCityLife};
    if (palette) {
        for (QWidget* part : parts) PaintInContrast(*part, *palette);
        // The bars keep the desktop's light trough: an empty bar stays in
        // sight on the dark panel.
        for (QProgressBar* bar : {PbTotalLeft, PbHitLost, PbCityLife}) KeepDesktopTrough(*bar);
        return;
    }
    // The desktop's colours, and the status line's own navy.
    for (QWidget* part : parts) part->setPalette(QPalette());
    for (QProgressBar* bar : {PbTotalLeft, PbHitLost, PbCityLife}) KeepDesktopTrough(*bar);
    QPalette navy;
    navy.setColor(QPalette::WindowText, ToQColor(clNavy));
    LbStatus->setPalette(navy);
}

void GameFrameWindow::LayOutStatus() {
    StatusPanel->setGeometry(0, 0, width(), panelHeight_);
    LbStatus->setGeometry(0, 0, width(), statusHeight_);
    LayOutPlayingArea();
}

void GameFrameWindow::LayOutPlayingArea() {
    const QRect area(0, panelHeight_, playingAreaWidth_, std::max(0, height() - panelHeight_));
    if (!frame_ || PlayingAreaBox->geometry() == area) return;
    PlayingAreaBox->setGeometry(area);
    ResetPicture();
    // A game in progress lost its picture: its city and words come back.
    frame_->Paint();
}

void GameFrameWindow::ResetPicture() {
    const auto lock = frame_->SceneLock();
    picture_.Reset(PlayingAreaBox->size(), devicePixelRatioF(), windowColor_, palette());
    PlayingAreaBox->update();
}

void GameFrameWindow::SetWindowColor(TColor color) {
    windowColor_ = color;
    update();
}

void GameFrameWindow::SetPlayingAreaFontName(const std::string& name8) {
    QFont areaFont = PlayingAreaBox->font();
    areaFont.setFamily(QString::fromStdString(ToUtf8(name8)));
    PlayingAreaBox->setFont(areaFont);
}

void GameFrameWindow::ClearPlayingArea() {
    ResetPicture();
}

void GameFrameWindow::paintEvent(QPaintEvent*) {
    // Beside the playing area the window shows the game's background.
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(windowColor_, palette(), Qt::black));
}

// --- the status line and the bars ---------------------------------------------

QProgressBar* GameFrameWindow::Bar(GameBar bar) const {
    switch (bar) {
        case GameBar::Progress:
            return PbTotalLeft;
        case GameBar::InvaderLife:
            return PbHitLost;
        case GameBar::CityLife:
            break;
    }
    return PbCityLife;
}

void GameFrameWindow::SetBarPosition(GameBar bar, std::int32_t position) {
    QProgressBar* progressBar = Bar(bar);
    const int value = std::clamp(position, 0, 100);
    if (progressBar->value() == value) return;
    progressBar->setValue(value);
    statusToPaint_.insert(progressBar);
}

void GameFrameWindow::SetBarColor(GameBar bar, TColor color) {
    QProgressBar* progressBar = Bar(bar);
    QPalette barPalette = progressBar->palette();
    const QColor fill = ToQColor(color);
    if (barPalette.color(QPalette::Highlight) == fill) return;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        barPalette.setColor(group, QPalette::Highlight, fill);
    progressBar->setPalette(barPalette);
    statusToPaint_.insert(progressBar);
}

void GameFrameWindow::PaintStatusNow() {
    // Only what changed: the status line comes with every falling step, and
    // painting the bars each time would take a good part of a tick.
    for (QWidget* widget : statusToPaint_) widget->repaint();
    if (!statusToPaint_.isEmpty()) DescribeStatus();
    statusToPaint_.clear();
}

void GameFrameWindow::ShowWordsOnScreen(const std::vector<std::string>& words8) {
    QStringList words;
    for (const std::string& word : words8) words << QString::fromStdString(ToUtf8(word));
    wordsOnScreen_ = words.isEmpty() ? QString::fromUtf8(Tr("No words on screen"))
                                     : FromUtf8View(Format(Tr("Words on screen: %s"),
                                                           {words.join(QStringLiteral(", ")).toStdString()}));
    PlayingAreaBox->setAccessibleDescription(wordsOnScreen_);
    DescribeStatus();
}

void GameFrameWindow::DescribeStatus() {
    QString description = LbStatus->text().simplified();
    description += QStringLiteral(", ") +
                   FromUtf8View(Format(Tr("City life: %d %%"), {std::to_string(PbCityLife->value())}));
    if (!wordsOnScreen_.isEmpty()) description += QStringLiteral(". ") + wordsOnScreen_;
    if (StatusPanel->accessibleDescription() != description)
        StatusPanel->setAccessibleDescription(description);
}

void GameFrameWindow::SetStatusText(std::string_view utf8) {
    QString text = FromUtf8View(utf8);
    if (statusText_ == text) return;
    statusText_ = std::move(text);
    ShowStatusText();
    statusToPaint_.insert(LbStatus);
}

// The text's leading spaces become the label's left margin, which every
// line of a wrapped text keeps: the second line starts under the first. (Not
// its indent: a label aligned to the top indents its top edge too.)
void GameFrameWindow::ShowStatusText() {
    qsizetype leading = 0;
    while (leading < statusText_.size() && statusText_[leading] == u' ') ++leading;
    const int margin = QFontMetrics(LbStatus->font()).horizontalAdvance(statusText_.left(leading));
    LbStatus->setContentsMargins(margin, 0, 0, 0);
    LbStatus->setText(statusText_.mid(leading));
}

// --- ticks and the game thread's steps --------------------------------------------

void GameFrameWindow::SetTickTimerEnabled(bool enabled) {
    if (enabled == TickTimer->isActive()) return;
    if (enabled) {
        TickTimer->start();
    } else {
        TickTimer->stop();
    }
}

void GameFrameWindow::Tick() {
    if (!clock_.isValid()) clock_.start();
    const std::int64_t now = clock_.elapsed();
    if (ticks_.lastMs >= 0) ticks_.longestGapMs = std::max(ticks_.longestGapMs, now - ticks_.lastMs);
    if (ticks_.firstMs < 0) ticks_.firstMs = now;
    ticks_.lastMs = now;
    ++ticks_.ticks;
    if (!frame_->GameIdle()) ++ticks_.dropped;

    frame_->Tick();
    // What the game thread drew on its own (the word being typed) shows now.
    ShowChangedPixels();
}

void GameFrameWindow::PostToUiThread(std::function<void()> step) {
    QMetaObject::invokeMethod(
        this,
        [this, step = std::move(step)] {
            step();
            ShowChangedPixels();
        },
        Qt::QueuedConnection);
}

void GameFrameWindow::ShowChangedPixels() {
    const QRegion changed = picture_.TakeChanges();
    if (!changed.isEmpty()) PlayingAreaBox->update(changed);
}

// --- keys ----------------------------------------------------------------------------

bool GameFrameWindow::event(QEvent* event) {
    // Tab is a key of the game, not a move between controls.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

bool GameFrameWindow::focusNextPrevChild(bool) {
    return false;
}

void GameFrameWindow::keyPressEvent(QKeyEvent* event) {
    const std::optional<char32_t> typed = TypedCharacterOf(*event);
    if (!typed) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    TypeCharacter(*typed);
}

void GameFrameWindow::inputMethodEvent(QInputMethodEvent* event) {
    // A composed character (a dead key, a compose sequence) is typed as if
    // its key had been pressed; text still being composed is not shown.
    for (const char32_t ch : event->commitString().toUcs4()) TypeCharacter(ch);
    event->accept();
}

void GameFrameWindow::TypeCharacter(char32_t ch) {
    // A character the words' code page cannot hold is in no word.
    const std::optional<unsigned char> code = CodeOfChar(ch, GameSettings().WordsCodePage);
    if (code) frame_->FormKeyPress(static_cast<char>(*code));
}

// --- boxes and closing --------------------------------------------------------------

std::string GameFrameWindow::AskNumber(std::string_view captionUtf8, std::string_view promptUtf8,
                                       std::string_view valueUtf8) {
    const OwnEventLoop asking(ownEventLoops_);
    QString value = FromUtf8View(valueUtf8);
    // Owned by this window, so that the box stays above it.
    (new THInputBox(this))->AskNumber(FromUtf8View(captionUtf8), FromUtf8View(promptUtf8), value);
    return value.toStdString();
}

bool GameFrameWindow::ConfirmBox(std::string_view utf8) {
    const OwnEventLoop asking(ownEventLoops_);
    return AskYesNo(this, FromUtf8View(utf8));
}

void GameFrameWindow::InformationBox(std::string_view utf8) {
    const OwnEventLoop telling(ownEventLoops_);
    ShowMessageBox(this, QMessageBox::Information, FromUtf8View(utf8));
}

void GameFrameWindow::ShowGameOver(const GameOverReport& report) {
    const OwnEventLoop showing(ownEventLoops_);
    // Owned by this window, so that it stays above it.
    GameOverWindow view(report, gameOverLook_, this);
    view.exec();
}

void GameFrameWindow::CloseWindow() {
    close();
}

void GameFrameWindow::closeEvent(QCloseEvent* event) {
    CloseAction action = CloseAction::Hide;
    if (ProgramToldToEnd())
        frame_->EndWithoutAsking();
    else
        frame_->FormClose(action);
    if (action == CloseAction::None) {
        event->ignore();
        return;
    }
    event->accept();
    hide();
    if (OnClosed) OnClosed();
}

}  // namespace zq
