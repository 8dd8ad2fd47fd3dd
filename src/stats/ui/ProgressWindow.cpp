#include "stats/ui/ProgressWindow.h"

#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/Translation.h"
#include "base/ui/Utf8Text.h"
#include "stats/ui/ChartLoader.h"
#include "stats/ui/KeyHeatMapWidget.h"

namespace zq {

namespace {

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

QLabel* ListLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setMinimumWidth(200);
    return label;
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
    Charts->setMinimumSize(640, 300);

    auto* slowestBox = new QGroupBox(Translated("Slowest keys"), Figures);
    LbSlowest = ListLabel(slowestBox);
    (new QVBoxLayout(slowestBox))->addWidget(LbSlowest);
    auto* confusionsBox = new QGroupBox(Translated("Most frequent confusions"), Figures);
    LbConfusions = ListLabel(confusionsBox);
    (new QVBoxLayout(confusionsBox))->addWidget(LbConfusions);
    auto* lists = new QHBoxLayout;
    lists->addWidget(slowestBox);
    lists->addWidget(confusionsBox);

    auto* top = new QHBoxLayout;
    top->addWidget(Charts, 1);
    top->addLayout(lists);

    auto* keyboardBox = new QGroupBox(Translated("Errors per key: green few, red many, pale typed too seldom "
                                                 "to tell. Point at a key for its figures."),
                                      Figures);
    HeatMap = new KeyHeatMapWidget(keyboardBox);
    auto* keyboardLayout = new QHBoxLayout(keyboardBox);
    keyboardLayout->addStretch();
    keyboardLayout->addWidget(HeatMap);
    keyboardLayout->addStretch();

    BnWeakKeys = new QPushButton(Translated("Practise &weak keys"), this);
    BnClose = new QPushButton(Translated("&Close"), this);
    BnClose->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BnWeakKeys);
    buttons->addWidget(BnClose);
    connect(BnWeakKeys, &QPushButton::clicked, this, &ProgressWindow::BnWeakKeysClick);
    connect(BnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* figures = new QVBoxLayout(Figures);
    figures->setContentsMargins(0, 0, 0, 0);
    figures->addWidget(LbSummary);
    figures->addLayout(top, 1);
    figures->addWidget(keyboardBox);
    overview_.Load();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrolledIfTooLarge(Figures), 1);
    layout->addLayout(buttons);
}

// The figures as they are when the screen has room for them; otherwise (a
// small screen at a large scale factor) in a scroll area within a window
// that fits the screen, so that the buttons below stay in sight.
QWidget* ProgressWindow::ScrolledIfTooLarge(QWidget* figures) {
    constexpr int kRoomForFrameAndButtons = 100;
    const QSize room =
        screen()->availableGeometry().size() - QSize(kRoomForFrameAndButtons, kRoomForFrameAndButtons);
    const QSize needed = figures->minimumSizeHint();
    if (needed.width() <= room.width() && needed.height() <= room.height()) return figures;

    FiguresArea = new QScrollArea(this);
    FiguresArea->setFrameShape(QFrame::NoFrame);
    FiguresArea->setWidgetResizable(true);
    FiguresArea->setWidget(figures);
    resize(room.width(), room.height());
    return FiguresArea;
}

void ProgressWindow::SetCaption(std::string_view text) {
    setWindowTitle(FromUtf8View(text));
}

void ProgressWindow::ShowSummary(std::string_view text) {
    LbSummary->setText(FromUtf8View(text));
}

void ProgressWindow::ShowCharts(const std::vector<ChartSpec>& charts) {
    Charts->clear();
    for (const ChartSpec& spec : charts)
        Charts->addTab(CreateChart(spec, programFolder_, Charts), QString::fromStdString(spec.titleUtf8));
}

void ProgressWindow::ShowKeyboard(const KeyHeatMap& keyboard) {
    HeatMap->SetKeyboard(&keyboard);
}

void ProgressWindow::ShowSlowestKeys(const std::vector<std::string>& lines) {
    LbSlowest->setText(ListText(lines));
}

void ProgressWindow::ShowConfusions(const std::vector<std::string>& lines) {
    LbConfusions->setText(ListText(lines));
}

void ProgressWindow::SetWeakKeyPractice(bool enabled, std::string_view hint) {
    BnWeakKeys->setEnabled(enabled);
    BnWeakKeys->setToolTip(FromUtf8View(hint));
}

void ProgressWindow::BnWeakKeysClick() {
    chosen_ = overview_.PractiseWeakKeys(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    if (chosen_) accept();
}

}  // namespace zq
