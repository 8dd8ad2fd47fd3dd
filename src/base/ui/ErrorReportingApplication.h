#pragma once

#include <QApplication>

namespace zq {

// The application object. Every failure that escapes an event handler (a
// file that cannot be opened or written, a number that does not parse) ends
// that handler's operation and is shown here in a message box whose caption
// is the application title; the program goes on.
class ErrorReportingApplication : public QApplication {
    Q_OBJECT
public:
    ErrorReportingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows a failure's message as the event loop does.
    static void ReportError(const QString& message);
};

}  // namespace zq
