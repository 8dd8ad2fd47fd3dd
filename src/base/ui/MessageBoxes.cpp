#include "base/ui/MessageBoxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QSpacerItem>
#include <QStyle>

namespace zq {
namespace {

// The caption that the title bar shows: Qt adds the application's name to
// any other title.
QString ShownCaption(const QWidget& window) {
    const QString application = QGuiApplication::applicationDisplayName();
    QString title = window.windowTitle();
    if (application.isEmpty() || title == application) return title;
    return title + QString::fromUtf8(" \u2014 ") + application;
}

// Title bars show their caption in a bold face, beside the window's icon and
// up to three buttons of about the bar's height each, with some spacing.
int WidthForCaption(const QWidget& window) {
    QFont titleFont = window.font();
    titleFont.setBold(true);
    const int barHeight = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QFontMetrics(titleFont).horizontalAdvance(ShownCaption(window)) + 5 * barHeight + 24;
}

// Dialogs size themselves to their layout, which a spacer across it widens.
void WidenForCaption(QDialog& dialog) {
    auto* spacer = new QSpacerItem(WidthForCaption(dialog), 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
    } else if (dialog.layout()) {
        dialog.layout()->addItem(spacer);
    } else {
        delete spacer;
    }
}

}  // namespace

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    WidenForCaption(box);
    box.exec();
}

bool AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    WidenForCaption(box);
    return box.exec() == QMessageBox::Yes;
}

QAbstractButton* AskWithButtons(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                const std::function<void(QMessageBox&)>& addButtons) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::NoButton, parent);
    addButtons(box);
    WidenForCaption(box);
    box.exec();
    return box.clickedButton();
}

std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& defaultAnswer) {
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultAnswer);
    dialog.minimumSizeHint();  // lays the dialog out, which it otherwise does only when shown
    WidenForCaption(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace zq
