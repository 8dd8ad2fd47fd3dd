#include "drills/ui/LinePracticeWindow.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "base/ui/ContrastColors.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/NoticeLabel.h"
#include "base/ui/ScaledFont.h"
#include "base/ui/Utf8Text.h"
#include "drills/ui/GuidanceInsideWindow.h"
#include "drills/ui/KeyTranslation.h"

namespace zq {

namespace {

constexpr int kMarkerRowHeight = 26;
constexpr int kStatusBarHeight = 26;
constexpr int kPanelBorder = 5;

QTextEdit* MakeBox(QWidget* parent, const char* name) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAcceptRichText(false);
    box->setUndoRedoEnabled(false);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    return box;
}

}  // namespace

LinePracticeWindow::LinePracticeWindow(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(Tr("Line Practice")));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    ContentPanel = new QFrame(this);
    ContentPanel->setObjectName(QStringLiteral("ContentPanel"));
    ContentPanel->setFrameShape(QFrame::Box);
    ContentPanel->setLineWidth(1);
    ContentPanel->setAutoFillBackground(true);
    auto* panelLayout = new QVBoxLayout(ContentPanel);
    panelLayout->setContentsMargins(kPanelBorder, kPanelBorder, kPanelBorder, kPanelBorder);
    panelLayout->setSpacing(0);

    SampleEdit = MakeBox(ContentPanel, "SampleEdit");
    SampleEdit->setAccessibleName(QString::fromUtf8(Tr("Text to type")));
    SampleEdit->setFrameShape(QFrame::NoFrame);
    SampleEdit->setReadOnly(true);
    // Focus always stays in the input box (a click on the sample gives it none).
    SampleEdit->setFocusPolicy(Qt::NoFocus);
    SampleEdit->setTextInteractionFlags(Qt::NoTextInteraction);
    panelLayout->addWidget(SampleEdit);

    markerRow_ = new QWidget(ContentPanel);
    markerRow_->setFixedHeight(kMarkerRowHeight);
    LbMark = new QLabel(QStringLiteral("V"), markerRow_);
    LbMark->setObjectName(QStringLiteral("LbMark"));
    QFont markFont(QStringLiteral("Courier New"));
    markFont.setPixelSize(21);
    markFont.setBold(true);
    LbMark->setFont(markFont);
    LbMark->move(2, 0);
    LbMark->hide();
    panelLayout->addWidget(markerRow_);

    InputEdit = MakeBox(ContentPanel, "InputEdit");
    InputEdit->setAccessibleName(QString::fromUtf8(Tr("Your typing")));
    QPalette inputPalette = InputEdit->palette();
    inputPalette.setColor(QPalette::Base, inputPalette.color(QPalette::ToolTipBase));
    inputPalette.setColor(QPalette::Text, inputPalette.color(QPalette::ToolTipText));
    InputEdit->setPalette(inputPalette);
    // Input methods stay on so that dead keys and compose sequences arrive as
    // one character; they are asked not to predict or correct anything.
    InputEdit->setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    InputEdit->installEventFilter(this);
    panelLayout->addWidget(InputEdit);

    outer->addWidget(ContentPanel);

    SBHelp = new QStatusBar(this);
    SBHelp->setObjectName(QStringLiteral("SBHelp"));
    SBHelp->setSizeGripEnabled(false);
    SBHelp->setFixedHeight(kStatusBarHeight);
    SBHelp->setAccessibleName(QString::fromUtf8(Tr("Status")));
    statusLabel_ = new NoticeLabel(SBHelp);
    SBHelp->addWidget(statusLabel_, 1);
    outer->addWidget(SBHelp);

    SetDrillFont(SampleEdit->font(), palette().color(QPalette::WindowText));
    SetWindowColor(Rgb(0xC0, 0xFF, 0xC0));  // light green until the profile's colour arrives
}

LinePracticeWindow::~LinePracticeWindow() = default;

void LinePracticeWindow::AttachDrill(std::unique_ptr<TFmLinePractice> drill) {
    drill_ = std::move(drill);
    drill_->FormCreate();
}

void LinePracticeWindow::SetDrillFont(const QFont& font, const QColor& color) {
    baseFormat_ = QTextCharFormat();
    baseFormat_.setFont(font);
    baseFormat_.setForeground(color);
    insertionFormat_ = baseFormat_;
    for (QTextEdit* box : {SampleEdit, InputEdit}) {
        box->setFont(font);
        box->document()->setDefaultFont(font);
        box->setCurrentCharFormat(baseFormat_);
    }
    QTextCursor all(InputEdit->document());
    all.select(QTextCursor::Document);
    all.setCharFormat(baseFormat_);
    // The window has arranged itself already: without growing with its
    // boxes, its layout would lay one box over the other.
    const int boxesBefore = SampleEdit->minimumHeight() + InputEdit->minimumHeight();
    FitBoxHeights();
    GrowSetHeightBy(SampleEdit->minimumHeight() + InputEdit->minimumHeight() - boxesBefore);
}

void LinePracticeWindow::SetArrangedBoxHeights(int sampleHeight, int inputHeight) {
    arrangedSampleHeight_ = sampleHeight;
    arrangedInputHeight_ = inputHeight;
    FitBoxHeights();
}

// Each box takes the height the window's arrangement gives it, or two lines
// of a large font when those are taller (the boxes scroll for more).
void LinePracticeWindow::FitBoxHeights() {
    constexpr int kFrameAndMargins = 12;
    const int twoLines = 2 * QFontMetrics(SampleEdit->font()).lineSpacing() + kFrameAndMargins;
    SampleEdit->setFixedHeight(std::max(arrangedSampleHeight_, twoLines));
    InputEdit->setFixedHeight(std::max(arrangedInputHeight_, twoLines));
}

void LinePracticeWindow::SetContrastPalette(const ContrastPalette& palette) {
    for (QWidget* part : {static_cast<QWidget*>(SampleEdit), static_cast<QWidget*>(InputEdit),
                          static_cast<QWidget*>(SBHelp), static_cast<QWidget*>(statusLabel_)}) {
        PaintInContrast(*part, palette);
    }
    SBHelp->setAutoFillBackground(true);
}

void LinePracticeWindow::HoldGuidance(TVKeyboard& keyboard, TPalmForm& leftHand, TPalmForm& rightHand) {
    guidanceInside_ = std::make_unique<GuidanceInsideWindow>(keyboard, leftHand, rightHand);
    layout()->addWidget(guidanceInside_->Row());
    const QSize wanted = sizeHint();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int widest = screen ? screen->availableGeometry().width() : wanted.width();
    setFixedSize(std::min(std::max(width(), wanted.width()), widest), wanted.height());
}

void LinePracticeWindow::SetWindowFontName(const QString& name) {
    statusFamily_ = name;
    ApplyStatusFont();
}

void LinePracticeWindow::SetStatusScale(double scale) {
    statusScale_ = std::max(scale, 1.0);
    statusTwoLines_ = false;
    ApplyStatusFont();
    KeepStatusWhole(statusLabel_->text());
}

void LinePracticeWindow::ApplyStatusFont() {
    QFont statusFont = ScaledFont(font(), statusScale_);
    if (!statusFamily_.isEmpty()) statusFont.setFamily(statusFamily_);
    const bool twoLines = statusScale_ > 1 || statusTwoLines_;
    SBHelp->setFont(statusFont);
    statusLabel_->setFont(statusFont);
    statusLabel_->setWordWrap(twoLines);
    constexpr int kBarMargins = 6;
    SBHelp->setFixedHeight(
        twoLines ? std::max(2 * QFontMetrics(statusFont).lineSpacing() + kBarMargins, kStatusBarHeight)
                 : kStatusBarHeight);
}

// --- sample box -------------------------------------------------------------

void LinePracticeWindow::SetSampleText(std::string_view text8) {
    samplePositions_ = SamplePositions(text8);
    QString text = QString::fromUtf8(ToUtf8(text8, drill_->TextCodePage()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    SampleEdit->setPlainText(text);
    ApplySampleFontToAll();
    ClearSampleSelection();
    // A screen reader says what to type when the focus comes to the input
    // box, and when the line changes: its first line, a paragraph being long.
    InputEdit->setAccessibleDescription(
        FromUtf8View(Format(Tr("To type: %s"), {text.section(QLatin1Char('\n'), 0, 0).toStdString()})));
}

std::string LinePracticeWindow::SampleText() const {
    QString text = SampleEdit->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromUtf8(text.toStdString(), drill_->TextCodePage());
}

QTextCharFormat LinePracticeWindow::SampleFormatAt(int documentPosition) const {
    QTextCursor cursor(SampleEdit->document());
    cursor.setPosition(documentPosition);
    if (!cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor)) return baseFormat_;
    return cursor.charFormat();
}

void LinePracticeWindow::SelectSample(int start, int length) {
    const int first = samplePositions_.ToDocument(start);
    const int last = samplePositions_.ToDocument(start + length);
    const int documentLength = SampleEdit->document()->characterCount() - 1;  // without the final separator
    if (length <= 0 || first < 0 || first >= documentLength) {
        ClearSampleSelection();
        return;
    }
    QTextEdit::ExtraSelection highlight;
    highlight.cursor = QTextCursor(SampleEdit->document());
    highlight.cursor.setPosition(first);
    highlight.cursor.setPosition(std::max(first + 1, std::min(last, documentLength)),
                                 QTextCursor::KeepAnchor);
    const QPalette& colors = SampleEdit->palette();
    highlight.format.setBackground(colors.color(QPalette::Active, QPalette::Highlight));
    highlight.format.setForeground(colors.color(QPalette::Active, QPalette::HighlightedText));
    SampleEdit->setExtraSelections({highlight});
    highlightedPosition_ = first;

    // Long samples scroll so that the next character stays in view.
    QTextCursor caret(SampleEdit->document());
    caret.setPosition(first);
    SampleEdit->setTextCursor(caret);
    SampleEdit->ensureCursorVisible();
}

void LinePracticeWindow::ClearSampleSelection() {
    SampleEdit->setExtraSelections({});
    highlightedPosition_ = -1;
}

void LinePracticeWindow::SetSampleEnabled(bool enabled) {
    SampleEdit->setEnabled(enabled);
}

// --- input box ----------------------------------------------------------------

void LinePracticeWindow::MoveInputCaretToEnd() {
    InputEdit->moveCursor(QTextCursor::End);
}

void LinePracticeWindow::SetInputInsertionColor(std::int32_t color) {
    const int position = highlightedPosition_ >= 0 ? highlightedPosition_ : 0;
    insertionFormat_ = highlightedPosition_ >= 0 ? SampleFormatAt(position) : baseFormat_;
    insertionFormat_.setForeground(ToQColor(color));
    insertionFormat_.clearBackground();
}

void LinePracticeWindow::ClearInput() {
    InputEdit->clear();
    InputEdit->setCurrentCharFormat(baseFormat_);
}

void LinePracticeWindow::SetInputReadOnly(bool readOnly) {
    InputEdit->setReadOnly(readOnly);
    // A read-only box switches input methods off; composed characters must still arrive.
    InputEdit->setAttribute(Qt::WA_InputMethodEnabled, true);
}

void LinePracticeWindow::FocusInput() {
    InputEdit->setFocus(Qt::OtherFocusReason);
}

void LinePracticeWindow::ApplySampleFontToAll() {
    for (QTextEdit* box : {SampleEdit, InputEdit}) {
        QTextCursor all(box->document());
        all.select(QTextCursor::Document);
        all.setCharFormat(baseFormat_);
    }
}

void LinePracticeWindow::InsertIntoInput(const QString& text) {
    QTextCursor cursor(InputEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, insertionFormat_);
    InputEdit->setTextCursor(cursor);
}

void LinePracticeWindow::DeleteLastInputCharacter() {
    QTextCursor cursor(InputEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.deletePreviousChar();
    InputEdit->setTextCursor(cursor);
}

// --- marker, status bar and dialogs --------------------------------------------

void LinePracticeWindow::SetMarkerVisible(bool visible) {
    LbMark->setVisible(visible);
}

void LinePracticeWindow::SetMarkerColor(std::int32_t color) {
    QPalette markPalette = LbMark->palette();
    markPalette.setColor(QPalette::WindowText, ToQColor(color));
    LbMark->setPalette(markPalette);
}

void LinePracticeWindow::SetStatusText(std::string_view utf8) {
    const QString text = FromUtf8View(utf8);
    statusLabel_->Announce(text);
    KeepStatusWhole(text);
}

// A text wider than the bar (a long prompt in a window narrowed by a large
// scale factor) gives the bar a second line for the rest of the drill: the
// window does not change its height again while the learner types.
void LinePracticeWindow::KeepStatusWhole(const QString& text) {
    constexpr int kBarTextMargins = 16;
    if (statusTwoLines_ ||
        QFontMetrics(statusLabel_->font()).horizontalAdvance(text) <= width() - kBarTextMargins)
        return;
    statusTwoLines_ = true;
    const int barBefore = SBHelp->height();
    ApplyStatusFont();
    GrowSetHeightBy(SBHelp->height() - barBefore);
}

// A window of a set height (see PlaceWindow) grows by what its parts grew
// after it had arranged itself; one sized by its layout follows by itself.
void LinePracticeWindow::GrowSetHeightBy(int growth) {
    if (growth != 0 && minimumHeight() == maximumHeight()) setFixedHeight(height() + growth);
}

void LinePracticeWindow::InformationBox(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::Information, FromUtf8View(utf8));
}

void LinePracticeWindow::WarningBox(std::string_view utf8) {
    ShowMessageBox(this, QMessageBox::Warning, FromUtf8View(utf8));
}

std::string LinePracticeWindow::InputBox(std::string_view captionUtf8, std::string_view promptUtf8,
                                         std::string_view defaultAnswerUtf8) {
    const std::optional<QString> answer =
        AskText(this, FromUtf8View(captionUtf8), FromUtf8View(promptUtf8), FromUtf8View(defaultAnswerUtf8));
    return answer ? answer->toStdString() : std::string(defaultAnswerUtf8);
}

// --- the window ------------------------------------------------------------------

DrillRect LinePracticeWindow::ScreenArea() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // The area left free by desktop panels, so that no window hides under one.
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.left(), area.top(), area.width(), area.height()};
}

DrillRect LinePracticeWindow::Frame() const {
    const QRect frame = frameGeometry();
    return {frame.left(), frame.top(), frame.width(), frame.height()};
}

void LinePracticeWindow::PlaceWindow(const DrillRect& frame) {
    const int height = frame.height > 0 ? frame.height : sizeHint().height();
    setFixedSize(frame.width, height);
    move(frame.left, frame.top);
}

void LinePracticeWindow::MoveWindow(int left, int top) {
    move(left, top);
}

std::int32_t LinePracticeWindow::PanelRgb() const {
    return FromQColor(ContentPanel->palette().color(QPalette::Window));
}

void LinePracticeWindow::SetWindowColor(std::int32_t color) {
    QPalette panelPalette = ContentPanel->palette();
    panelPalette.setColor(QPalette::Window,
                          ToQColor(color, panelPalette, panelPalette.color(QPalette::Window)));
    ContentPanel->setPalette(panelPalette);
}

void LinePracticeWindow::CloseWindow() {
    reject();
}

void LinePracticeWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    drill_->FormShow();
    FocusInput();
    // Platforms that add the frame without moving the window are caught here.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) drill_->PlaceGuidance();
    });
}

// The frame is final only once the window manager has framed the window,
// which moves it, and the layout has settled, which may resize it; and the
// learner may move it. The keyboard and hands windows follow, below the frame.
void LinePracticeWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (isVisible() && drill_) drill_->PlaceGuidance();
}

void LinePracticeWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    KeepStatusWhole(statusLabel_->text());
    if (isVisible() && drill_) drill_->PlaceGuidance();
}

void LinePracticeWindow::hideEvent(QHideEvent* event) {
    drill_->FormHide();
    QDialog::hideEvent(event);
}

// --- keys -------------------------------------------------------------------------

bool LinePracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != InputEdit || !drill_) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            return HandleInputKey(static_cast<QKeyEvent&>(*event));
        case QEvent::KeyRelease:
            return true;
        case QEvent::InputMethod:
            return HandleInputMethod(static_cast<QInputMethodEvent&>(*event));
        default:
            return QDialog::eventFilter(watched, event);
    }
}

bool LinePracticeWindow::HandleInputKey(QKeyEvent& event) {
    const int virtualKey = VirtualKeyOf(event);
    if (drill_->InputEditKeyDown(virtualKey)) return true;  // cancelled
    if (const std::optional<char32_t> typed = TypedCharacterOf(event)) {
        TypeCharacter(*typed);
        return true;
    }
    // Keys that type nothing: only scrolling through the typed text reaches the box.
    const bool scrolls = virtualKey == VK_PRIOR || virtualKey == VK_NEXT;
    return !scrolls;
}

bool LinePracticeWindow::HandleInputMethod(QInputMethodEvent& event) {
    // Pre-edit text is never shown; a committed (composed) character is typed
    // as if its key had been pressed.
    const QString committed = event.commitString();
    if (!committed.isEmpty()) {
        for (const char32_t ch : committed.toUcs4()) {
            drill_->InputEditKeyDown(VK_PROCESSKEY);
            TypeCharacter(ch);
        }
    }
    event.accept();
    return true;
}

void LinePracticeWindow::TypeCharacter(char32_t ch) {
    const std::optional<unsigned char> code = CodeOfChar(ch, drill_->TextCodePage());
    if (!code) {
        if (drill_->InputEditForeignKeyPress() && !InputEdit->isReadOnly()) {
            InsertIntoInput(QString::fromUcs4(&ch, 1));
        }
        return;
    }
    unsigned char key = *code;
    if (!drill_->InputEditKeyPress(key) || InputEdit->isReadOnly()) return;
    if (key == kBackspace) {
        DeleteLastInputCharacter();
    } else if (key == kCarriageReturn) {
        InsertIntoInput(QStringLiteral("\n"));
    } else if (key != *code) {
        // The drill typed another character in its place (a blank for a
        // wrong tab, which would jump to a tab stop).
        InsertIntoInput(QString(QLatin1Char(static_cast<char>(key))));
    } else {
        InsertIntoInput(QString::fromUcs4(&ch, 1));
    }
}

}  // namespace zq
