#include "drills/ui/THInputBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScreen>

#include "base/CodePage.h"
#include "base/Translation.h"

namespace zq {
namespace {

constexpr int kClientWidth = 309;
constexpr int kClientHeight = 88;

// The text as it survives a trip through the 8-bit system code page.
QString ThroughCodePage(const QString& text) {
    return QString::fromStdString(ToUtf8(FromUtf8(text.toStdString())));
}

}  // namespace

THInputBox::THInputBox(QWidget* parent)
    : QDialog(parent),
      LbHint(new QLabel(this)),
      NumberEd(new QLineEdit(QStringLiteral("0"), this)),
      BnOK(new QPushButton(this)),
      BnCancel(new QPushButton(this)) {
    setObjectName(QStringLiteral("HInputBox"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    // The box speaks in the program's own font, not in that of the window
    // that asks (the game's playing field uses a typewriter face).
    setFont(QApplication::font());

    LbHint->setObjectName(QStringLiteral("LbHint"));
    LbHint->setGeometry(16, 8, 285, 19);

    NumberEd->setObjectName(QStringLiteral("NumberEd"));
    LbHint->setBuddy(NumberEd);  // a screen reader names the box by the prompt
    NumberEd->setGeometry(16, 30, 289, 21);
    NumberEd->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), NumberEd));

    BnOK->setObjectName(QStringLiteral("BnOK"));
    BnOK->setGeometry(112, 56, 75, 25);
    BnOK->setDefault(true);
    connect(BnOK, &QPushButton::clicked, this, &QDialog::accept);

    // There to close with Cancel, but hidden: the close box is the only way out
    // besides OK.
    BnCancel->setObjectName(QStringLiteral("BnCancel"));
    BnCancel->setGeometry(216, 56, 75, 25);
    BnCancel->hide();
    connect(BnCancel, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void THInputBox::FormCreate() {
    BnOK->setText(QString::fromUtf8(Tr("&OK")));
    BnCancel->setText(QString::fromUtf8(Tr("&Cancel")));
}

bool THInputBox::AskNumber(const QString& caption, const QString& prompt, QString& value) {
    LbHint->setText(prompt);
    setWindowTitle(ThroughCodePage(caption));
    NumberEd->setText(ThroughCodePage(value));
    NumberEd->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }

    // exec() frees the dialog before it returns; the edit's text is taken
    // while the dialog closes, whichever way it closes.
    connect(this, &QDialog::finished, this, [this, &value] { value = NumberEd->text(); });
    return exec() == QDialog::Accepted;
}

bool ShowHInputBox(const QString& caption, const QString& prompt, QString& value) {
    return (new THInputBox())->AskNumber(caption, prompt, value);
}

}  // namespace zq
