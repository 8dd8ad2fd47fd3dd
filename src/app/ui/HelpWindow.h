#pragma once

#include <QWidget>
#include <memory>

#include "app/MainFormViews.h"

namespace zq {

class HelpBrowser;

// The program's own help window: an HTML file with its links, for desktops
// that have no handler for it.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void ShowFile(const QString& path);

    HelpBrowser* Browser = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Opens help files with the desktop's handler, else in one help window kept
// for the run.
class DesktopHelpViewer : public HelpViewer {
public:
    DesktopHelpViewer();
    ~DesktopHelpViewer() override;

    bool OpenWithDesktop(const std::string& path) override;
    void ShowInHelpWindow(const std::string& path) override;

    HelpWindow* Window() const { return window_.get(); }

private:
    std::unique_ptr<HelpWindow> window_;
};

}  // namespace zq
