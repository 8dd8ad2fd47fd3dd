#include "base/ui/ErrorReportingApplication.h"

#include "base/LibraryError.h"
#include "base/ui/MessageBoxes.h"

namespace zq {

ErrorReportingApplication::ErrorReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const LibraryError& error) {
        ReportError(QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        ReportError(QString::fromUtf8(error.what()));
    }
    return false;
}

void ErrorReportingApplication::ReportError(const QString& message) {
    ShowMessageBox(activeWindow(), QMessageBox::Warning, message);
}

}  // namespace zq
