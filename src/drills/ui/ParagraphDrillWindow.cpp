#include "drills/ui/ParagraphDrillWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QProgressDialog>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/LibraryError.h"
#include "base/Translation.h"
#include "base/ui/MessageBoxes.h"

namespace zq {
namespace {

QString Translated(const char* text) {
    return QString::fromUtf8(Tr(text));
}

// True when every character of the document has the format `format`.
bool HoldsOnly(const QTextDocument& document, const QTextCharFormat& format) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat() != format) return false;
        }
    }
    return true;
}

// The "#" button sits on the marker's row, right of the marker.
constexpr int kReturnIndicatorLeft = 28;

// A file read in a blink shows no progress.
constexpr std::size_t kProgressShownFrom = std::size_t{4} * 1024 * 1024;
constexpr int kProgressSteps = 1000;

// The lines shown above the next character to type, and how close to the
// end of the part shown it may come before the next part is shown.
constexpr int kLinesShownBefore = 3;
constexpr std::size_t kShownAhead = std::size_t{4} * 1024;

// Where the line that holds `index` begins, or the line `linesBefore`
// lines before that one.
std::size_t LineStartBefore(std::string_view text, std::size_t index, int linesBefore) {
    std::size_t start = std::min(index, text.size());
    for (int line = 0; line <= linesBefore; ++line) {
        if (start == 0) return 0;
        const std::size_t lineFeed = text.rfind('\n', start - 1);
        if (lineFeed == std::string_view::npos) return 0;
        if (line == linesBefore) return lineFeed + 1;
        start = lineFeed;  // the line before ends here
    }
    return start;
}

}  // namespace

ParagraphDrillWindow::ParagraphDrillWindow(stopwatch& watch, DrillGuidance guidance, QWidget* parent)
    : LinePracticeWindow(parent) {
    setWindowTitle(Translated("Text drill"));
    // The font the line drill's window starts with, until the owner sets one.
    RememberTextFormat(SampleEdit->font(), palette().color(QPalette::WindowText));

    TextToolBar = new QToolBar(this);
    TextToolBar->setObjectName(QStringLiteral("TextToolBar"));
    TextToolBar->setMovable(false);
    TextToolBar->setFloatable(false);
    BnLoad = AddToolButton("&Load text", "Load from file");
    BnPaste = AddToolButton("&Paste", "Paste from clipboard");
    BnRestart = AddToolButton("&Restart", "Restart with current content");
    BnClose = AddToolButton("&Close", nullptr);
    // The tool bar's own button for buttons that do not fit shows only on a
    // narrow window; a screen reader finds it all the same.
    if (auto* more = TextToolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(Translated("More"));
    if (auto* outer = qobject_cast<QVBoxLayout*>(layout())) outer->insertWidget(0, TextToolBar);

    BnShowReturn = new QToolButton(MarkerRow());
    BnShowReturn->setObjectName(QStringLiteral("BnShowReturn"));
    BnShowReturn->setText(QStringLiteral("#"));
    BnShowReturn->setFixedSize(21, 21);
    QFont indicatorFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    indicatorFont.setPixelSize(15);
    indicatorFont.setBold(true);
    BnShowReturn->setFont(indicatorFont);
    // Flat, but framed and in the selection colours, so that no learner misses it.
    BnShowReturn->setStyleSheet(
        QStringLiteral("QToolButton { background: palette(highlight); color: palette(highlighted-text);"
                       " border: 1px solid palette(shadow); border-radius: 3px; padding: 0px; }"));
    BnShowReturn->setToolTip(Translated("Press return key if you see this button"));
    BnShowReturn->setAccessibleName(Translated("Return key"));
    BnShowReturn->setFocusPolicy(Qt::NoFocus);
    BnShowReturn->move(kReturnIndicatorLeft, (MarkerRow()->minimumHeight() - BnShowReturn->height()) / 2);
    BnShowReturn->hide();

    for (QTextEdit* box : {SampleEdit, InputEdit}) box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The drill opens without a text: say where one comes from.
    SampleEdit->setPlaceholderText(Translated("Load a text file or paste a text, then type it below."));

    connect(BnLoad, &QToolButton::clicked, this, [this] { RunCommand([this] { TextDrill().LoadText(); }); });
    connect(BnPaste, &QToolButton::clicked, this,
            [this] { RunCommand([this] { TextDrill().PasteText(); }); });
    connect(BnRestart, &QToolButton::clicked, this,
            [this] { RunCommand([this] { TextDrill().BnRestartClick(); }); });
    connect(BnClose, &QToolButton::clicked, this, [this] { TextDrill().BnCloseClick(); });

    auto drill = std::make_unique<TFmLongText>(*this, *this, watch, guidance);
    AttachDrill(std::move(drill));
}

ParagraphDrillWindow::~ParagraphDrillWindow() = default;

QToolButton* ParagraphDrillWindow::AddToolButton(const char* caption, const char* hint) {
    auto* button = new QToolButton(TextToolBar);
    button->setText(Translated(caption));
    if (hint) button->setToolTip(Translated(hint));
    button->setAutoRaise(true);
    // A caption longer than the button's usual width ("Recommencer") widens it.
    const QSize usual(84, 22);
    button->setFixedSize(usual.expandedTo(button->sizeHint()));
    button->setFocusPolicy(Qt::NoFocus);  // the focus stays in the input box
    TextToolBar->addWidget(button);
    return button;
}

void ParagraphDrillWindow::RememberTextFormat(const QFont& font, const QColor& color) {
    textFormat_ = QTextCharFormat();
    textFormat_.setFont(font);
    textFormat_.setForeground(color);
}

void ParagraphDrillWindow::SetDrillFont(const QFont& font, const QColor& color) {
    RememberTextFormat(font, color);
    LinePracticeWindow::SetDrillFont(font, color);
}

void ParagraphDrillWindow::SetSampleText(std::string_view text8) {
    if (text8.size() <= kShownPart) {
        shownBegin_ = 0;
        shownEnd_ = text8.size();
        LinePracticeWindow::SetSampleText(text8);
        return;
    }
    ShowPartAround(0);
}

std::string ParagraphDrillWindow::SampleText() const {
    const std::string& text = Drill().Sample();
    return text.size() <= kShownPart ? LinePracticeWindow::SampleText() : text;
}

void ParagraphDrillWindow::ShowPartAround(std::size_t index) {
    const std::string_view text = Drill().Sample();
    shownBegin_ = LineStartBefore(text, index, kLinesShownBefore);
    shownEnd_ = std::min(text.size(), index + kShownPart);
    if (shownEnd_ < text.size()) {
        // The part ends with a line, unless that line is very long; and
        // never between the CR and the LF of a line break.
        const std::size_t lineFeed = text.find('\n', shownEnd_);
        if (lineFeed != std::string_view::npos && lineFeed - shownEnd_ < kShownAhead) {
            shownEnd_ = lineFeed + 1;
        } else if (text[shownEnd_ - 1] == '\r') {
            ++shownEnd_;
        }
    }
    LinePracticeWindow::SetSampleText(text.substr(shownBegin_, shownEnd_ - shownBegin_));
}

void ParagraphDrillWindow::SelectSample(int start, int length) {
    const std::size_t textLength = Drill().Sample().size();
    if (start < 0 || textLength <= kShownPart) {
        LinePracticeWindow::SelectSample(start, length);
        return;
    }
    const auto index = static_cast<std::size_t>(start);
    const bool beforePart = index < shownBegin_;
    const bool nearPartEnd = shownEnd_ < textLength && index + kShownAhead >= shownEnd_;
    if (beforePart || nearPartEnd) ShowPartAround(index);
    LinePracticeWindow::SelectSample(static_cast<int>(index - shownBegin_), length);
}

void ParagraphDrillWindow::ApplySampleFontToAll() {
    // Text put into the sample box takes the drill font as it arrives; typed
    // characters and formats of an earlier font differ and are reset.
    for (QTextEdit* box : {SampleEdit, InputEdit}) {
        if (HoldsOnly(*box->document(), textFormat_)) continue;
        QTextCursor all(box->document());
        all.select(QTextCursor::Document);
        all.setCharFormat(textFormat_);
    }
}

template <typename Command>
void ParagraphDrillWindow::RunCommand(Command command) {
    try {
        command();
    } catch (const LibraryError& error) {
        ShowMessageBox(this, QMessageBox::Warning, QString::fromUtf8(error.what()));
    }
    FocusInput();
}

std::unique_ptr<QFileDialog> ParagraphDrillWindow::CreateTextFileDialog(const QString& folder) {
    auto dialog = std::make_unique<QFileDialog>(this, QString(), folder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setNameFilters({Translated("Text") + QStringLiteral(" (*.Txt *.txt *.TXT)"),
                            Translated("Rich text") + QStringLiteral(" (*.rtf *.Rtf *.RTF)"),
                            Translated("All") + QStringLiteral(" (*)")});
    return dialog;
}

std::optional<std::string> ParagraphDrillWindow::ChooseTextFile(const std::string& folder) {
    // A dialog kept between uses would keep its name completion's list open
    // after Enter, and that list would take the learner's first key.
    const std::unique_ptr<QFileDialog> dialog = CreateTextFileDialog(QFile::decodeName(folder.c_str()));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog->selectedFiles().constFirst()).toStdString();
}

std::string ParagraphDrillWindow::ClipboardText() {
    return QApplication::clipboard()->text().toStdString();
}

void ParagraphDrillWindow::SetBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void ParagraphDrillWindow::SetReturnIndicatorVisible(bool visible) {
    BnShowReturn->setVisible(visible);
}

DrillRect ParagraphDrillWindow::ClientArea() const {
    return {0, 0, width(), height()};
}

bool ParagraphDrillWindow::ShowLoadProgress(const std::string& path, std::size_t bytesRead,
                                            std::size_t fileSize) {
    if (fileSize < kProgressShownFrom) return true;
    if (!loadProgress_) {
        const QString name = QFileInfo(QFile::decodeName(path.c_str())).fileName();
        loadProgress_ = std::make_unique<QProgressDialog>(this);
        loadProgress_->setObjectName(QStringLiteral("LoadProgress"));
        loadProgress_->setWindowTitle(Translated("Loading text"));
        loadProgress_->setLabelText(QString::fromUtf8(Format(Tr("Loading %s ..."), {name.toStdString()})));
        // Wide enough for the title bar to show its title whole, beside the
        // program's name and the bar's buttons.
        const QString shownTitle = loadProgress_->windowTitle() + QStringLiteral(" \u2014 ") +
                                   QApplication::applicationDisplayName();
        loadProgress_->setMinimumWidth(loadProgress_->fontMetrics().horizontalAdvance(shownTitle) + 120);
        loadProgress_->setRange(0, kProgressSteps);
        loadProgress_->setWindowModality(Qt::WindowModal);
        loadProgress_->setMinimumDuration(0);
        loadProgress_->setAutoClose(false);
        loadProgress_->setAutoReset(false);
        loadProgress_->show();
    }
    // Setting the value of a modal progress dialog lets the window paint
    // and take the click on Cancel.
    const double done =
        static_cast<double>(bytesRead) / static_cast<double>(std::max<std::size_t>(fileSize, 1));
    loadProgress_->setValue(static_cast<int>(done * kProgressSteps));
    return !loadProgress_->wasCanceled();
}

void ParagraphDrillWindow::EndLoadProgress() {
    loadProgress_.reset();
}

void ParagraphDrillWindow::PlaceBoxes(const LongTextLayout& layout) {
    SetArrangedBoxHeights(std::max(layout.sample.height, 0), std::max(layout.input.height, 0));
}

bool ParagraphDrillWindow::eventFilter(QObject* watched, QEvent* event) {
    // Composed characters come without a key press; after the end of the text
    // they are ignored like every key.
    if (watched == InputEdit && event->type() == QEvent::InputMethod && TextDrill().KeysIgnored()) {
        event->accept();
        return true;
    }
    return LinePracticeWindow::eventFilter(watched, event);
}

}  // namespace zq
