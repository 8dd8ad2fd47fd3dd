#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zq {

// A small modal dialog that asks for a whole number: a prompt, an edit that
// takes digits only, and an OK button (Enter presses it). The dialog frees
// itself when it closes, so it is only used through AskNumber once.
class THInputBox : public QDialog {
    Q_OBJECT
public:
    explicit THInputBox(QWidget* parent = nullptr);

    // Shows `prompt` (kept in Unicode) under `caption` with `value` in the
    // edit; the caption and the value pass through the 8-bit system code
    // page, so characters it lacks are lost. Runs modally and returns true
    // when OK closed it; `value` receives the edit's text however the dialog
    // closed. The dialog no longer exists when this returns.
    bool AskNumber(const QString& caption, const QString& prompt, QString& value);

    QLabel* LbHint;
    QLineEdit* NumberEd;
    QPushButton* BnOK;
    QPushButton* BnCancel;

private:
    void FormCreate();
};

// Creates a number input box owned by the application and asks with it.
bool ShowHInputBox(const QString& caption, const QString& prompt, QString& value);

}  // namespace zq
