#pragma once

#include "app/TFmLogon.h"
#include "app/ui/TAboutBox.h"

class QComboBox;
class QLabel;

namespace zq {

class TSettings;

// The logon dialog, the program's first window: choose a user and log on,
// add a user, or leave. Its logic is TFmLogon.
class LogonWindow : public TAboutBox, public LogonView {
    Q_OBJECT

public:
    explicit LogonWindow(TSettings& settings, QWidget* parent = nullptr);

    TFmLogon& Logon() { return logon_; }
    void SetStarter(TZQStarterLocal* starter) { logon_.SetStarter(starter); }
    // The name of the window's font; Qt picks fonts by script, so the
    // character set only rides along.
    void SetWindowFont(const std::string& fontName8, std::int32_t charset);
    // Closes the dialog, which ends the program.
    void EndProgram();

    // LogonView.
    void SetUserList(const std::vector<std::string>& names8) override;
    void SelectUser(int index) override;
    std::string UserText() const override;
    void InformationBox(std::string_view utf8) override;

    QLabel* ProfileLb = nullptr;
    QComboBox* ComboUser = nullptr;
    QPushButton* BnAdd = nullptr;
    QPushButton* BnCancel = nullptr;

    // Fills the user list and takes its size before it is shown.
    void setVisible(bool visible) override;

protected:
    // Enter in the user box: see the constructor.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    // Esc and Exit: the program ends without storing anything.
    void reject() override;

private:
    TFmLogon logon_;
};

}  // namespace zq
