#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace zq {

// The program's message boxes and text input box, each wide enough that the
// window manager shows its caption whole beside the title bar's icon and
// buttons: a box sized to a short message alone is narrower, and its caption
// comes out shortened ("ZQ T... Tutor").

// A box with the application's name as caption and an OK button.
void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// A confirmation box with the application's name as caption and the buttons
// Yes (the default) and No; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

// A box with the application's name as caption and the buttons that
// `addButtons` puts in it (in the platform's order of their roles, the
// default button and the one of Esc as it sets them): the button clicked,
// or null when the box closed otherwise.
QAbstractButton* AskWithButtons(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                const std::function<void(QMessageBox&)>& addButtons);

// The platform's input box: the answer, or nothing when it is cancelled.
std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& defaultAnswer);

}  // namespace zq
