#include "game/ui/GameOverWindow.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Translation.h"
#include "base/ui/ContrastColors.h"
#include "base/ui/ScaledFont.h"
#include "base/ui/Utf8Text.h"

namespace zq {
namespace {

// The day a game ended, in the learner's local time, as year-month-day:
// read alike in every language.
QString DayOf(std::int64_t finishedAtMs) {
    return QDateTime::fromMSecsSinceEpoch(finishedAtMs).date().toString(Qt::ISODate);
}

}  // namespace

GameOverWindow::GameOverWindow(const GameOverReport& report, const GameOverLook& look, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("GameOverWindow"));
    baseFont_ = font();
    if (look.palette) {
        PaintInContrast(*this, *look.palette);
        setAutoFillBackground(true);
    }
    setWindowTitle(FromUtf8View(report.titleUtf8));
    auto* layout = new QVBoxLayout(this);

    TitleLb = Heading(FromUtf8View(report.titleUtf8), 1.6);
    TitleLb->setObjectName(QStringLiteral("TitleLb"));
    layout->addWidget(TitleLb);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(16);
    AddFigures(report, *figures);
    layout->addLayout(figures);

    StatisticsLb = new QLabel(FromUtf8View(report.statisticsUtf8).trimmed(), this);
    StatisticsLb->setObjectName(QStringLiteral("StatisticsLb"));
    layout->addWidget(StatisticsLb);

    if (!report.bestCaptionUtf8.empty()) {
        layout->addSpacing(8);
        BestCaptionLb = Heading(FromUtf8View(report.bestCaptionUtf8), 1.15);
        BestCaptionLb->setObjectName(QStringLiteral("BestCaptionLb"));
        layout->addWidget(BestCaptionLb);
        auto* best = new QGridLayout;
        best->setHorizontalSpacing(16);
        AddBestGames(report, *best);
        layout->addLayout(best);
    }

    if (!report.verdictUtf8.empty()) {
        layout->addSpacing(8);
        VerdictLb = new QLabel(FromUtf8View(report.verdictUtf8), this);
        VerdictLb->setObjectName(QStringLiteral("VerdictLb"));
        VerdictLb->setWordWrap(true);
        styled_.push_back({VerdictLb, 1.0, true});
        layout->addWidget(VerdictLb);
    }

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(Buttons);
    Buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    Buttons->button(QDialogButtonBox::Ok)->installEventFilter(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    FitScale(look.scale);
}

// The texts `scale` times their usual size, each with its own emphasis.
void GameOverWindow::ApplyScale(double scale) {
    setFont(ScaledFont(baseFont_, scale));
    for (const StyledText& text : styled_) {
        QFont font = ScaledFont(baseFont_, scale * text.size);
        font.setBold(text.bold);
        text.label->setFont(font);
    }
    layout()->activate();
}

// As large as asked, but never larger than the screen (Easy reading's print
// on a screen already enlarged would push OK off it).
void GameOverWindow::FitScale(double scale) {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    constexpr QSize kFrame(40, 60);  // the window manager's frame and a margin
    const QSize room = screen != nullptr ? screen->availableGeometry().size() - kFrame : QSize();
    ApplyScale(scale);
    for (int step = 0; step < 3 && scale > 1 && room.isValid(); ++step) {
        const QSize needed = sizeHint();
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
        const double fit =
            std::min(double(room.width()) / needed.width(), double(room.height()) / needed.height());
        scale = std::max(1.0, scale * fit * 0.98);
        ApplyScale(scale);
    }
}

// The view opens as the last word falls, while the player may still be
// typing: a Space or an Enter meant for the game would close it unread. Its
// button answers only after a moment, and never to Space, which players type
// between words; Enter and Escape close it.
bool GameOverWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) return true;
    return QDialog::eventFilter(watched, event);
}

void GameOverWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    constexpr int kTypingGuardMs = 1000;
    Buttons->setEnabled(false);
    QTimer::singleShot(kTypingGuardMs, Buttons, [this] {
        Buttons->setEnabled(true);
        Buttons->button(QDialogButtonBox::Ok)->setFocus();
    });
}

QLabel* GameOverWindow::AddLabel(QGridLayout& grid, const QString& text, int row, int column, bool bold,
                                 Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    styled_.push_back({label, 1.0, bold});
    label->setAlignment(alignment | Qt::AlignVCenter);
    grid.addWidget(label, row, column);
    return label;
}

QLabel* GameOverWindow::Heading(const QString& text, double size) {
    auto* label = new QLabel(text, this);
    styled_.push_back({label, size, true});
    return label;
}

void GameOverWindow::AddFigures(const GameOverReport& report, QGridLayout& grid) {
    int row = 0;
    for (const GameOverFigure& figure : report.figures) {
        AddLabel(grid, FromUtf8View(figure.labelUtf8), row, 0, false);
        QLabel* value = AddLabel(grid, FromUtf8View(figure.valueUtf8), row, 1, true, Qt::AlignRight);
        value->setAccessibleName(FromUtf8View(figure.labelUtf8));
        ++row;
    }
    grid.setColumnStretch(2, 1);
}

void GameOverWindow::AddBestGames(const GameOverReport& report, QGridLayout& grid) {
    const QString headers[] = {QString(),
                               QString::fromUtf8(Tr("Score")),
                               QString::fromUtf8(Tr("Difficulty")),
                               QString::fromUtf8(Tr("Words hit")),
                               QString::fromUtf8(Tr("Words lost")),
                               QString::fromUtf8(Tr("Date"))};
    for (int column = 0; column < 6; ++column)
        AddLabel(grid, headers[column], 0, column, false, column == 5 ? Qt::AlignLeft : Qt::AlignRight);
    int row = 1;
    for (const BestGameEntry& entry : report.best) {
        const bool bold = entry.thisGame;
        AddLabel(grid, QString::number(row) + QLatin1Char('.'), row, 0, bold, Qt::AlignRight);
        AddLabel(grid, QString::number(entry.score), row, 1, bold, Qt::AlignRight);
        AddLabel(grid, QString::number(entry.difficulty), row, 2, bold, Qt::AlignRight);
        AddLabel(grid, QString::number(entry.hits), row, 3, bold, Qt::AlignRight);
        AddLabel(grid, QString::number(entry.losses), row, 4, bold, Qt::AlignRight);
        QString day = DayOf(entry.finishedAtMs);
        if (entry.thisGame) day += QStringLiteral("  \u25C0 ") + QString::fromUtf8(Tr("this game"));
        AddLabel(grid, day, row, 5, bold);
        ++row;
    }
}

}  // namespace zq
