#pragma once

#include <QDialog>
#include <memory>
#include <string>

class QBoxLayout;
class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace zq {

class DesktopHelpViewer;

// The about box: the program's icon, name, version and rights on money
// green, in a window with a one-pixel border and no title bar, centred on
// the screen. The logon dialog is built on it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // Its icon and the manual come from the program's data folder
    // `dataFolder` (ending with "/").
    explicit TAboutBox(std::string dataFolder, QWidget* parent = nullptr);
    ~TAboutBox() override;

    QFrame* ContentPanel = nullptr;
    QFrame* ProductFrame = nullptr;
    QLabel* IconImage = nullptr;
    QLabel* ProductNameLb = nullptr;
    QLabel* VersionLb = nullptr;
    QLabel* CopyrightLb = nullptr;
    QLabel* WebLb = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    // The panel's rows: the framed area, then the row of buttons; the logon
    // dialog adds rows between them.
    QVBoxLayout* PanelLayout() const;
    QBoxLayout* ButtonRow() const { return buttonRow_; }
    // Centred on the screen before it is shown: the window system then puts
    // it there at once, and the toolkit knows where it stands (a window
    // moved only once on screen stayed at the top-left corner for the
    // toolkit under some window managers, and with it the boxes and lists
    // that open over it).
    void setVisible(bool visible) override;
    // The web label opens the program's manual (it has no web site).
    void WebLbClick();

private:
    std::string dataFolder_;
    QBoxLayout* buttonRow_ = nullptr;
    std::unique_ptr<DesktopHelpViewer> help_;
};

}  // namespace zq
