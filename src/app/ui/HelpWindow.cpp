#include "app/ui/HelpWindow.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui/HelpBrowser.h"
#include "base/Translation.h"

namespace zq {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QString::fromUtf8(Tr("Help")));
    Browser = new HelpBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setAccessibleName(QString::fromUtf8(Tr("Manual")));
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
}

// Escape closes the manual, as it closes the drills.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::ShowFile(const QString& path) {
    Browser->setSource(QUrl::fromLocalFile(path));
    if (!isVisible()) {
        // A comfortable page, never more than most of the screen, in its middle.
        QRect frame(QPoint(), QSize(760, 600));
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            frame.setSize(frame.size().boundedTo(available.size() * 9 / 10));
            frame.moveCenter(available.center());
        }
        setGeometry(frame);
    }
    show();
    raise();
    activateWindow();
}

DesktopHelpViewer::DesktopHelpViewer() = default;
DesktopHelpViewer::~DesktopHelpViewer() = default;

bool DesktopHelpViewer::OpenWithDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void DesktopHelpViewer::ShowInHelpWindow(const std::string& path) {
    if (!window_) window_ = std::make_unique<HelpWindow>();
    window_->ShowFile(QString::fromStdString(path));
}

}  // namespace zq
