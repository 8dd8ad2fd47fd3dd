#include "drills/ui/ParagraphDrillWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
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

    connect(BnLoad, &QToolButton::clicked, this, [this] { RunCommand([this] { TextDrill().LoadText(); }); });
    connect(BnPaste, &QToolButton::clicked, this,
            [this] { RunCommand([this] { TextDrill().PasteText(); }); });
    connect(BnRestart, &QToolButton::clicked, this,
            [this] { RunCommand([this] { TextDrill().BnRestartClick(); }); });
    connect(BnClose, &QToolButton::clicked, this, [this] { TextDrill().BnCloseClick(); });

    auto drill = std::make_unique<TFmLongText>(*this, *this, watch, guidance);
    AttachDrill(std::move(drill));
}

QToolButton* ParagraphDrillWindow::AddToolButton(const char* caption, const char* hint) {
    auto* button = new QToolButton(TextToolBar);
    button->setText(Translated(caption));
    if (hint) button->setToolTip(Translated(hint));
    button->setAutoRaise(true);
    button->setFixedSize(84, 22);
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

void ParagraphDrillWindow::PlaceBoxes(const LongTextLayout& layout) {
    SampleEdit->setFixedHeight(std::max(layout.sample.height, 0));
    InputEdit->setFixedHeight(std::max(layout.input.height, 0));
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
