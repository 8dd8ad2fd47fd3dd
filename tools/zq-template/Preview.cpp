#include "Preview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {
namespace {

constexpr int kGap = 5;      // between the hands and the keyboard, as a drill places them
constexpr int kMargin = 10;  // around the whole picture
const QColor kPreviewBackground(224, 224, 224);

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

// Keyboard in the middle, the left hand left of it and the right hand right
// of it, tops aligned; a hand without fingers is left out, as in a drill.
QImage Compose(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right) {
    const QImage keys = keyboard.grab().toImage();
    const bool showLeft = !left.Fingers().NoFingers();
    const bool showRight = !right.Fingers().NoFingers();
    const QImage leftImage = showLeft ? left.grab().toImage() : QImage();
    const QImage rightImage = showRight ? right.grab().toImage() : QImage();
    const int handWidth = left.width() + kGap;
    const int width = kMargin * 2 + keys.width() + (showLeft ? handWidth : 0) + (showRight ? handWidth : 0);
    const int height = kMargin * 2 + std::max({keys.height(), leftImage.height(), rightImage.height()});

    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kPreviewBackground);
    QPainter painter(&picture);
    int x = kMargin;
    if (showLeft) {
        painter.drawImage(x, kMargin, leftImage);
        x += handWidth;
    }
    painter.drawImage(x, kMargin, keys);
    x += keys.width() + kGap;
    if (showRight) painter.drawImage(x, kMargin, rightImage);
    return picture;
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

    TDataMod store;
    const bool readWhole = store.LoadTemplate(in);
    if (!readWhole) {
        std::cerr << "zq-template preview: " << in
                  << " could not be read completely; drawing what was read of it\n";
    }
    TVKeyboard keyboard(store);
    TPalmForm left(store);
    TPalmForm right(store);
    try {
        keyboard.SetBlinkMode(false);
        keyboard.LoadTemplate(in);
        for (TPalmForm* hand : {&left, &right}) {
            hand->SetBlinkMode(false);
            hand->SetLeftHand(hand == &left);
            hand->BuildFingers();
        }
        if (code) {
            const int finger = keyboard.HighlightKey(*code);
            if (finger >= 0 && finger <= 4) left.PointFinger(finger + 1);
            if (finger >= 5 && finger <= 9) right.PointFinger(10 - finger);
            std::cout << "\"" << args[2] << "\": " << (finger == -1 ? "no key" : FingerName(finger)) << "\n";
        }
    } catch (const LibraryError& error) {
        std::cerr << "zq-template preview: " << in << ": " << error.what() << "\n";
        return 1;
    }

    if (!Compose(keyboard, left, right).save(QString::fromStdString(out), "PNG")) {
        std::cerr << "zq-template preview: cannot write " << out << "\n";
        return 1;
    }
    return readWhole ? 0 : 1;
}

}  // namespace zq
