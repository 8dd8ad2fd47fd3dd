// zq-course: makes a course for a keyboard layout of the system, and checks
// course folders. The work is done by the course library (src/course); this
// is its command line.

#include <QGuiApplication>

#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

namespace zq {

int ShowUsage() {
    std::cerr << "usage: zq-course make LAYOUT[(VARIANT)] FOLDER [--dictionary FILE | --no-dictionary]\n"
                 "                      [--force] [--template-text]\n"
                 "           make a course folder for a keyboard layout of the system\n"
                 "       zq-course check FOLDER\n"
                 "           tell what the program would trip over in a course folder\n"
                 "See the tool's README.md.\n";
    return 2;
}

}  // namespace zq

namespace {

// Qt's remarks about the session mean nothing to a teacher making a course;
// real problems are reported by the commands themselves.
void IgnoreQtRemarks(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::cerr << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return zq::ShowUsage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "make") {
        // Key pictures are drawn with fonts, hence a GUI application; the
        // offscreen platform needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(IgnoreQtRemarks);
        QGuiApplication application(argc, argv);
        return zq::RunMake(args);
    }
    if (command == "check") return zq::RunCheck(args);
    return zq::ShowUsage();
}
