// zq-template: makes, prints and checks the keyboard templates of courses.
// The work is done by the templates library (src/templates); this is its
// command line.

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

namespace zq {

int ShowUsage() {
    std::cerr << "usage: zq-template build DESCRIPTION OUT.zqt   make a template from its description\n"
                 "       zq-template dump IN.zqt                print the description of a template\n"
                 "       zq-template check IN.zqt               load a template as the program does\n"
                 "       zq-template from-xkb LAYOUT[(VARIANT)] [--code-page N]\n"
                 "                                              describe a keyboard layout of the system\n"
                 "       zq-template preview ...                show a template's keyboard and hands\n"
                 "The description format is explained in the tool's README.md.\n";
    return 2;
}

}  // namespace zq

namespace {

// Qt's remarks about the session (no runtime folder and the like) mean
// nothing to someone building templates; real problems are reported by the
// commands themselves.
void IgnoreQtRemarks(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::cerr << message.toStdString() << "\n";
}

// Drawing key pictures needs fonts, hence a GUI application; the offscreen
// platform lets the tool run without a display (as it does during a build).
int RunWithPictures(int argc, char** argv, int (*command)(const std::vector<std::string>&),
                    const std::vector<std::string>& args) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(IgnoreQtRemarks);
    QGuiApplication application(argc, argv);
    return command(args);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return zq::ShowUsage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "build") return RunWithPictures(argc, argv, zq::RunBuild, args);
    if (command == "dump") return RunWithPictures(argc, argv, zq::RunDump, args);
    if (command == "check") return zq::RunCheck(args);
    if (command == "from-xkb") return zq::RunFromXkb(args);
    if (command == "preview") return zq::RunPreview(args);
    return zq::ShowUsage();
}
