// zq-template preview IN.zqt OUT.png [CHARACTER]: draws the on-screen
// keyboard of a template, with the key of CHARACTER (UTF-8) lit steadily and
// both hands beside it pointing at its finger, into a PNG picture, using the
// program's own windows. Runs on Qt's offscreen platform unless another
// platform is chosen. Exit status 1 on failure, also when the template could
// be read only in part (the picture then shows what was read).

#include <QApplication>
#include <QString>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "Commands.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "templates/ui/TemplatePreview.h"

namespace zq {
namespace {

int PreviewUsage() {
    std::cerr << "usage: zq-template preview IN.zqt OUT.png [CHARACTER]\n"
                 "  draws the keyboard of the template with the key of CHARACTER lit and\n"
                 "  the hands pointing at its finger\n";
    return 2;
}

// Qt's remarks about the session (no runtime folder and the like) mean
// nothing to a teacher looking at a template.
void OnlySeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg) std::cerr << message.toStdString() << "\n";
}

// Widgets need a QApplication; the tool may run where there is no display.
std::unique_ptr<QApplication> EnsureApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(OnlySeriousQtMessages);
    static int argc = 1;
    static char name[] = "zq-template";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

// The 8-bit code of the one character given in UTF-8.
std::optional<unsigned char> CharacterCode(const std::string& utf8) {
    const QList<uint> characters = QString::fromUtf8(utf8).toUcs4();
    if (characters.size() != 1) return std::nullopt;
    return CodeOfChar(static_cast<char32_t>(characters.front()));
}

const char* FingerName(int finger) {
    static constexpr const char* kNames[] = {"left little", "left ring",   "left middle", "left index",
                                             "left thumb",  "right thumb", "right index", "right middle",
                                             "right ring",  "right little"};
    return finger >= 0 && finger <= 9 ? kNames[finger] : "no finger";
}

}  // namespace

int RunPreview(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3) return PreviewUsage();
    const std::string& in = args[0];
    const std::string& out = args[1];
    std::optional<unsigned char> code;
    if (args.size() == 3) {
        code = CharacterCode(args[2]);
        if (!code) {
            std::cerr << "zq-template preview: \"" << args[2] << "\" is not one character of the code page "
                      << SystemCodePage() << "\n";
            return 2;
        }
    }
    if (!std::filesystem::is_regular_file(in)) {
        std::cerr << "zq-template preview: cannot open " << in << "\n";
        return 1;
    }
    const auto application = EnsureApplication();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::cerr << "zq-template preview: needs a widget application\n";
        return 1;
    }

    TemplatePreview preview;
    try {
        preview = PreviewTemplate(in, code);
    } catch (const LibraryError& error) {
        std::cerr << "zq-template preview: " << in << ": " << error.what() << "\n";
        return 1;
    }
    if (!preview.readWhole) {
        std::cerr << "zq-template preview: " << in
                  << " could not be read completely; drawing what was read of it\n";
    }
    if (preview.finger) {
        std::cout << "\"" << args[2]
                  << "\": " << (*preview.finger == -1 ? "no key" : FingerName(*preview.finger)) << "\n";
    }
    if (!preview.picture.save(QString::fromStdString(out), "PNG")) {
        std::cerr << "zq-template preview: cannot write " << out << "\n";
        return 1;
    }
    return preview.readWhole ? 0 : 1;
}

}  // namespace zq
