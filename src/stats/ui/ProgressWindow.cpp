#include "stats/ui/ProgressWindow.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "base/Translation.h"
#include "base/ui/MessageBoxes.h"
#include "base/ui/Utf8Text.h"
#include "stats/ProgressCharts.h"
#include "stats/ui/ChartLoader.h"
#include "stats/ui/HandsPictureWidget.h"
#include "stats/ui/KeyHeatMapWidget.h"

namespace zq {

namespace {

// What the window leaves of the screen, each way: for a window manager's
// frame, and for that and the row of buttons below the figures.
constexpr int kRoomForFrame = 40;
constexpr int kRoomForFrameAndButtons = 100;

QString Translated(const char* text) {
    return QString::fromUtf8(Tr(text));
}

// A list of lines in a label, or a dash when there is nothing to list.
QString ListText(const std::vector<std::string>& lines) {
    if (lines.empty()) return QStringLiteral("–");
    QStringList list;
    for (const std::string& line : lines) list << QString::fromStdString(line).toHtmlEscaped();
    return list.join(QStringLiteral("<br>"));
}

// Each line with its label under it, smaller and set in; a dash when there
// is nothing to list.
QString LabelledListText(const std::vector<LabelledLine>& lines) {
    if (lines.empty()) return QStringLiteral("–");
    QStringList list;
    for (const LabelledLine& line : lines) {
        QString item = QString::fromStdString(line.text).toHtmlEscaped();
        if (!line.label.empty()) {
            item += QStringLiteral("<br><small>&nbsp;&nbsp;&nbsp;%1</small>")
                        .arg(QString::fromStdString(line.label).toHtmlEscaped());
        }
        list << item;
    }
    return list.join(QStringLiteral("<br>"));
}

QLabel* ListLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

// A titled list in a box of `parent`, its label kept in `label`. The box
// takes the width of its longest line: a fixed minimum would let the layout
// cut the lines.
QGroupBox* ListBox(const QString& title, QLabel*& label, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    label = ListLabel(box);
    (new QVBoxLayout(box))->addWidget(label);
    return box;
}

// A page of the lists: two boxes side by side.
QWidget* ListPage(QGroupBox* left, QGroupBox* right, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(left);
    layout->addWidget(right, 1);
    return page;
}

// A path of the file system, as the logic keeps it (UTF-8 on this system),
// ending with the separator.
std::string FolderPath(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return QFile::encodeName(path).toStdString();
}

}  // namespace

ProgressWindow::ProgressWindow(PracticeHistory& history, ProgressSetup setup, std::string programFolder,
                               QWidget* parent)
    : QDialog(parent), programFolder_(std::move(programFolder)), overview_(*this, history, std::move(setup)) {
    setObjectName(QStringLiteral("ProgressWindow"));

    Figures = new QWidget;  // placed at the end, see ScrolledIfTooLarge
    LbSummary = new QLabel(Figures);
    LbSummary->setWordWrap(true);
    Charts = new QTabWidget(Figures);
    Charts->setAccessibleName(Translated("Charts"));
    Charts->setMinimumSize(600, 300);

    auto* top = new QHBoxLayout;
    top->addWidget(Charts, 1);
    top->addWidget(MakeLists());

    BnWeakKeys = new QPushButton(Translated("Practise &weak keys"), this);
    BnSlowPairs = new QPushButton(Translated("Practise slow &pairs"), this);
    BnExport = new QPushButton(Translated("&Export..."), this);
    BnExport->setToolTip(
        Translated("Saves your practice history as two CSV files for a spreadsheet: one row "
                   "per line, and one per day and drill."));
    BnClose = new QPushButton(Translated("&Close"), this);
    BnClose->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BnExport);
    buttons->addStretch();
    buttons->addWidget(BnWeakKeys);
    buttons->addWidget(BnSlowPairs);
    buttons->addWidget(BnClose);
    connect(BnWeakKeys, &QPushButton::clicked, this, &ProgressWindow::BnWeakKeysClick);
    connect(BnSlowPairs, &QPushButton::clicked, this, &ProgressWindow::BnSlowPairsClick);
    connect(BnExport, &QPushButton::clicked, this, &ProgressWindow::BnExportClick);
    connect(BnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* figures = new QVBoxLayout(Figures);
    figures->setContentsMargins(0, 0, 0, 0);
    figures->addWidget(LbSummary);
    figures->addLayout(top, 1);
    figures->addWidget(MakeKeyboard());
    overview_.Load();

    if (!FitsTheScreen(*Figures)) PutEveryPartOnAPage();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrolledIfTooLarge(Figures), 1);
    layout->addLayout(buttons);
    resize(sizeHint().boundedTo(ScreenRoom(kRoomForFrame)));
    FollowTheScreenInTabOrder();
}

// Tab goes through the controls in the order they are read: the pages' tabs
// and what they show, from the top left, then the buttons from the left.
// Each control would otherwise join the chain when it is made: the buttons
// before the figures, the charts (from their module) after everything.
void ProgressWindow::FollowTheScreenInTabOrder() {
    // The charts of the first look come before the figures are in the
    // window; the end of the constructor orders them.
    if (Figures->window() != this) return;
    std::vector<QWidget*> chain{Charts};
    for (int page = 0; page < chartPages_; ++page) chain.push_back(Charts->widget(page));
    chain.insert(chain.end(), {Lists, Hands, HeatMap, BnExport, BnWeakKeys, BnSlowPairs, BnClose});
    for (std::size_t next = 1; next < chain.size(); ++next) setTabOrder(chain[next - 1], chain[next]);
}

// Beside the charts, a page for the keys, one for the pairs of keys and one
// for the fingers: the window keeps the height of a laptop's screen.
QWidget* ProgressWindow::MakeLists() {
    Lists = new QTabWidget(Figures);
    Lists->setAccessibleName(Translated("Keys, pairs and fingers"));
    Lists->addTab(ListPage(ListBox(Translated("Slowest keys"), LbSlowest, Lists),
                           ListBox(Translated("Most frequent confusions"), LbConfusions, Lists), Lists),
                  Translated("&Keys"));
    Lists->addTab(ListPage(ListBox(Translated("Slowest pairs"), LbSlowestPairs, Lists),
                           ListBox(Translated("Most missed pairs"), LbMissedPairs, Lists), Lists),
                  Translated("Pairs of ke&ys"));
    Lists->addTab(MakeHands(), Translated("&Fingers"));
    return Lists;
}

QWidget* ProgressWindow::MakeHands() {
    auto* page = new QWidget(Lists);
    auto* box = new QGroupBox(Translated("Fingers: keys per minute and accuracy"), page);
    Hands = new HandsPictureWidget(box);
    Hands->setAccessibleName(box->title());
    (new QVBoxLayout(box))->addWidget(Hands, 0, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* ProgressWindow::MakeKeyboard() {
    KeyboardBox = new QGroupBox(Translated("Errors per key"), Figures);
    auto* legend = new QLabel(
        Translated("Green few, red many, pale typed too seldom to tell. Point at a key for its figures."),
        KeyboardBox);
    legend->setWordWrap(true);
    HeatMap = new KeyHeatMapWidget(KeyboardBox);
    auto* keys = new QHBoxLayout;
    keys->addStretch();
    keys->addWidget(HeatMap, 100);
    keys->addStretch();
    auto* layout = new QVBoxLayout(KeyboardBox);
    layout->addWidget(legend);
    layout->addLayout(keys, 1);
    return KeyboardBox;
}

QSize ProgressWindow::ScreenRoom(int margin) const {
    return screen()->availableGeometry().size() - QSize(margin, margin);
}

bool ProgressWindow::FitsTheScreen(const QWidget& figures) const {
    const QSize room = ScreenRoom(kRoomForFrameAndButtons);
    const QSize needed = figures.minimumSizeHint();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

// On a screen without room for the charts beside the lists above the
// keyboard (a small screen, or a large scale factor), every part becomes a
// page of the charts' row of tabs, each seen whole in a window that fits.
void ProgressWindow::PutEveryPartOnAPage() {
    Charts->setMinimumSize(0, 0);
    while (Lists->count() > 0) {
        const QString title = Lists->tabText(0);
        QWidget* page = Lists->widget(0);
        Lists->removeTab(0);
        Charts->addTab(page, title);
    }
    Lists->hide();
    Charts->addTab(KeyboardBox, KeyboardBox->title());
    KeyboardBox->setTitle(QString());
    // The layouts measure afresh what they hold now.
    for (QLayout* layout : Figures->findChildren<QLayout*>()) layout->invalidate();
}

// The figures as they are when the screen has room for them; otherwise (a
// screen too small even for their pages) in a scroll area within a window
// that fits the screen, so that the buttons below stay in sight.
QWidget* ProgressWindow::ScrolledIfTooLarge(QWidget* figures) {
    if (FitsTheScreen(*figures)) return figures;

    FiguresArea = new QScrollArea(this);
    FiguresArea->setFrameShape(QFrame::NoFrame);
    FiguresArea->setWidgetResizable(true);
    FiguresArea->setWidget(figures);
    resize(ScreenRoom(kRoomForFrameAndButtons));
    return FiguresArea;
}

void ProgressWindow::SetCaption(std::string_view text) {
    setWindowTitle(FromUtf8View(text));
}

void ProgressWindow::ShowSummary(std::string_view text) {
    LbSummary->setText(FromUtf8View(text));
}

void ProgressWindow::ShowCharts(const std::vector<ChartSpec>& charts) {
    // The charts' pages come first; other parts may have pages after them.
    for (; chartPages_ > 0; --chartPages_) {
        QWidget* old = Charts->widget(0);
        Charts->removeTab(0);
        old->deleteLater();
    }
    for (const ChartSpec& spec : charts) {
        QWidget* chart = CreateChart(spec, programFolder_, Charts);
        // A screen reader reads the chart's figures of the last day.
        chart->setAccessibleName(QString::fromStdString(spec.titleUtf8));
        chart->setAccessibleDescription(FromUtf8View(ChartSummary(spec)));
        Charts->insertTab(chartPages_++, chart, QString::fromStdString(spec.titleUtf8));
    }
    FollowTheScreenInTabOrder();
}

void ProgressWindow::ShowKeyboard(const KeyHeatMap& keyboard) {
    HeatMap->SetKeyboard(&keyboard);
}

void ProgressWindow::ShowHands(const HandsPicture& hands) {
    Hands->SetPicture(hands);
}

void ProgressWindow::ShowSlowestKeys(const std::vector<std::string>& lines) {
    LbSlowest->setText(ListText(lines));
}

void ProgressWindow::ShowConfusions(const std::vector<LabelledLine>& lines) {
    LbConfusions->setText(LabelledListText(lines));
}

void ProgressWindow::ShowSlowestPairs(const std::vector<std::string>& lines) {
    LbSlowestPairs->setText(ListText(lines));
}

void ProgressWindow::ShowMostMissedPairs(const std::vector<std::string>& lines) {
    LbMissedPairs->setText(ListText(lines));
}

void ProgressWindow::SetWeakKeyPractice(bool enabled, std::string_view hint) {
    BnWeakKeys->setEnabled(enabled);
    BnWeakKeys->setToolTip(FromUtf8View(hint));
}

void ProgressWindow::SetSlowPairPractice(bool enabled, std::string_view hint) {
    BnSlowPairs->setEnabled(enabled);
    BnSlowPairs->setToolTip(FromUtf8View(hint));
}

void ProgressWindow::BnWeakKeysClick() {
    chosen_ = overview_.PractiseWeakKeys(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    if (chosen_) accept();
}

void ProgressWindow::BnSlowPairsClick() {
    chosen_ = overview_.PractiseSlowPairs(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    if (chosen_) accept();
}

void ProgressWindow::BnExportClick() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, Translated("Export the practice history into"), QDir::homePath());
    if (!folder.isEmpty()) ExportTo(folder);
}

void ProgressWindow::ExportTo(const QString& folder) {
    const HistoryExportFiles files = overview_.ExportFiles(FolderPath(folder));
    if (ProgressOverview::WouldReplace(files) &&
        !AskYesNo(this, Translated("This folder already holds today's export of your history. Replace it?")))
        return;
    const ExportOutcome outcome = overview_.Export(files);
    if (outcome.message.empty()) return;  // the history has told of its failure
    ShowMessageBox(this, outcome.done ? QMessageBox::Information : QMessageBox::Warning,
                   FromUtf8View(outcome.message));
}

}  // namespace zq
